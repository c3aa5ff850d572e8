/* The palette counter written the plain way, with scanf and printf: the peer the benchmark compares
   against. Same bytes out for the benchmark's image. */
#include <stdio.h>
#include <stdlib.h>

int main(void) {
    int rows, cols, r, c, b;
    int** matrix;
    int** palette;
    printf("Renk Paleti: %d, %d, %d\n", 0, 128, 255);
    puts("Lutfen resim boyutlarini satir ve sutun olarak siraiyla giriniz: ");
    scanf("%d %d", &rows, &cols);
    matrix = malloc((long)rows * sizeof(int*));
    if (matrix == NULL) { printf("Bellekte yer ayrilamadi!!"); return -1; }
    for (r = 0; r < rows; r++) {
        matrix[r] = malloc((long)cols * sizeof(int));
        if (matrix[r] == NULL) { printf("Bellekte yer ayrilamadi!!"); return -1; }
    }
    for (r = 0; r < rows; r++) {
        printf("%d. satir elemanlarini giriniz: \n", r);
        for (c = 0; c < cols; c++) scanf("%d", &matrix[r][c]);
    }
    puts("Resim Matrisi: ");
    for (r = 0; r < rows; r++) {
        for (c = 0; c < cols; c++) printf("%3d   ", matrix[r][c]);
        putchar('\n');
    }
    palette = calloc(3, sizeof(int*));
    if (palette == NULL) { printf("Bellekte yer ayrilamadi!!"); return -1; }
    for (b = 0; b < 3; b++) palette[b] = calloc(2, sizeof(int));
    for (r = 0; r < rows; r++)
        for (c = 0; c < cols; c++) {
            b = matrix[r][c] / 127;
            palette[b][0] = matrix[r][c];
            palette[b][1]++;
        }
    for (b = 0; b < 3; b++) printf("%4d   %4d   \n", palette[b][0], palette[b][1]);
    for (r = 0; r < rows; r++) free(matrix[r]);
    free(matrix);
    for (b = 0; b < 3; b++) free(palette[b]);
    free(palette);
    return 0;
}
