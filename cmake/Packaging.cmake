# cmake --install puts the five programs into PREFIX/bin; cpack makes a .deb and a .tar.gz of them.
install(TARGETS pointsort palettecount dicetable dicelist menucalc RUNTIME DESTINATION bin)

set(CPACK_PACKAGE_NAME konsol)
set(CPACK_PACKAGE_VENDOR "konsol developers")
set(CPACK_PACKAGE_CONTACT "konsol developers <konsol@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Five small console programs")
set(CPACK_PACKAGE_DESCRIPTION
    "pointsort - sorts five fixed points of integer space by their distance from the origin.
palettecount - prints an image as a matrix and counts its pixels in a palette of three levels.
dicetable - prints the probability of every total of three dice, under a header.
dicelist - prints the probability of every total of three dice, bare.
menucalc - a menu calculator for 32-bit integers with a written-out factorial.")
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34)")
include(CPack)
