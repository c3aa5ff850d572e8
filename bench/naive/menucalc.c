/* The menu calculator written the plain way, with scanf and printf: the peer the benchmark compares
   against. Same bytes out for the benchmark's sessions. */
#include <locale.h>
#include <stdio.h>

int main(void) {
    int choice = 0, first = 0, second = 0, product, running = 1;
    setlocale(LC_ALL, "turkish");
    while (running) {
        printf("Toplama i\xE7" "in 1'e bas\xFDn\xFDz.\n");
        printf("\xC7\xFDkarma i\xE7" "in 2'e bas\xFDn\xFDz.\n");
        printf("\xC7" "arpma i\xE7" "in 3'e bas\xFDn\xFDz.\n");
        printf("B\xF6lme i\xE7" "in 4'e bas\xFDn\xFDz.\n");
        printf("Faktoriyel i\xE7" "in 5'e bas\xFDn\xFDz.\n");
        printf("\xC7\xFDk\xFD\xFE i\xE7" "in 6'e bas\xFDn\xFDz.\n");
        if (scanf("%d", &choice) != 1) return 0;
        if (choice >= 1 && choice <= 4) {
            printf("input 1 : ");
            if (scanf("%d", &first) != 1) return 0;
            printf("input 2 : ");
            if (scanf("%d", &second) != 1) return 0;
            if (choice == 1) printf("%d + %d = %d\n", first, second, (int)((unsigned)first + (unsigned)second));
            if (choice == 2) printf("%d - %d = %d\n", first, second, (int)((unsigned)first - (unsigned)second));
            if (choice == 3) printf("%d * %d = %d\n", first, second, (int)((unsigned)first * (unsigned)second));
            if (choice == 4) printf("%d / %d = %d\n", first, second, first / second);
        } else if (choice == 5) {
            printf("n! , n de\xF0" "erini giriniz.");
            if (scanf("%d", &first) != 1) return 0;
            product = first;
            second = first;
            while (first > 1) {
                first--;
                product = (int)((unsigned)product * (unsigned)first);
            }
            printf("%d! = ", second);
            while (second > 0) {
                if (second == 1) printf("%d = %d \n", second, product);
                else printf("%d * ", second);
                second--;
            }
        } else if (choice == 6) {
            running = 0;
        } else {
            printf("Ge\xE7" "erli bir giri\xFE yapmad\xFDn\xFDz, l\xFCtfen tekrar deneyiniz.. \n");
        }
    }
    return 0;
}
