// The commands that the user's guide shows, run as a user would run them.
#include "process.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The menu as a UTF-8 terminal should show it; this source is UTF-8.
const char* const menuLines[] = {
    "Toplama için 1'e basınız.", "Çıkarma için 2'e basınız.",    "Çarpma için 3'e basınız.",
    "Bölme için 4'e basınız.",   "Faktoriyel için 5'e basınız.", "Çıkış için 6'e basınız.",
};

std::string menuWith(const std::string& lineEnd) {
    std::string menu;
    for (const char* line : menuLines) {
        menu += line + lineEnd;
    }
    return menu;
}

TEST(Guide, IconvMakesCapturedOutputReadable) {
    const Finished run = runShell(std::string(MENUCALC) + " | iconv -f CP1254 -t UTF-8", "5 3\n4 1 0\n6\n");
    EXPECT_EQ(run.output, menuWith("\n") + "n! , n değerini giriniz.3! = 3 * 2 * 1 = 6 \n" + menuWith("\n") +
                              "input 1 : input 2 : Sıfıra bölünemez.\n" + menuWith("\n"));
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

TEST(Guide, LuitMakesAnInteractiveSessionReadable) {
    if (runShell("command -v luit", "").status != 0) {
        GTEST_SKIP() << "luit (Debian's x11-utils) is not installed";
    }
    // script gives luit the terminal it needs; the terminal ends lines with a carriage return too.
    const Finished run =
        runShell("script -qec 'luit -encoding ISO-8859-9 " + std::string(MENUCALC) + "' /dev/null", "6\n");
    EXPECT_NE(run.output.find(menuWith("\r\n")), std::string::npos) << run.output;
    EXPECT_EQ(run.status, 0);
}

TEST(Install, ProgramsRunFromTheirInstalledPlace) {
    char prefix[] = "/tmp/konsol-install-XXXXXX";
    ASSERT_NE(mkdtemp(prefix), nullptr);
    const Finished run = runShell(std::string("cmake --install ") + BUILD_DIR + " --prefix " + prefix +
                                      " > /dev/null && exec " + prefix + "/bin/dicetable",
                                  "");
    runShell(std::string("rm -rf ") + prefix, "");
    EXPECT_EQ(run.output.substr(0, 20), "Toplam\tOlasilik\n\n3\t0");
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
