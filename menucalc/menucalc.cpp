#include "menucalc.hpp"

#include "cp1254.hpp"

#include <clocale>
#include <cstdint>

namespace {

constexpr auto menu = cp1254(
    "Toplama için 1'e basınız.\n"
    "Çıkarma için 2'e basınız.\n"
    "Çarpma için 3'e basınız.\n"
    "Bölme için 4'e basınız.\n"
    "Faktoriyel için 5'e basınız.\n"
    "Çıkış için 6'e basınız.\n");
constexpr auto retry = cp1254("Geçerli bir giriş yapmadınız, lütfen tekrar deneyiniz.. ");
constexpr auto factorialPrompt = cp1254("n! , n değerini giriniz.");
constexpr auto divisionByZero = cp1254("Sıfıra bölünemez.");

// 32-bit two's-complement arithmetic that wraps, done unsigned so that overflow is defined.
std::int32_t wrap(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}
std::uint32_t bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

std::int32_t quotient(std::int32_t dividend, std::int32_t divisor) {
    // The one quotient beyond 32 bits wraps like every other result.
    if (divisor == -1) {
        return wrap(0u - bits(dividend));
    }
    return dividend / divisor;
}

void writeResult(Console& console, std::int32_t first, std::string_view symbol, std::int32_t second,
                 std::int32_t result) {
    console.writeInt(first);
    console.write(symbol);
    console.writeInt(second);
    console.write(" = ");
    console.writeInt(result);
    console.writeChar('\n');
}

IntRead ask(Console& console, std::string_view prompt) {
    console.write(prompt);
    return console.readInt();
}

}  // namespace

int menucalc(Console& console) {
    // Nothing written depends on the locale, so whether it exists does not matter.
    (void)std::setlocale(LC_ALL, "turkish");

    bool running = true;
    while (running) {
        console.write(menu);
        const IntRead choice = console.readInt();
        if (choice.outcome == ReadOutcome::end) {
            return 0;
        }
        // A choice that cannot be read is as invalid as one outside the menu.
        switch (choice.outcome == ReadOutcome::value ? choice.value : 0) {
        case 1:
        case 2:
        case 3:
        case 4: {
            // The second operand is asked for only after a first that could be read.
            const IntRead first = ask(console, "input 1 : ");
            const IntRead second = first.outcome == ReadOutcome::value ? ask(console, "input 2 : ") : first;
            if (second.outcome == ReadOutcome::end) {
                return 0;
            }
            if (second.outcome == ReadOutcome::invalid) {
                console.writeLine(retry);
                break;
            }
            const std::int32_t a = first.value;
            const std::int32_t b = second.value;
            if (choice.value == 1) {
                writeResult(console, a, " + ", b, wrap(bits(a) + bits(b)));
            } else if (choice.value == 2) {
                writeResult(console, a, " - ", b, wrap(bits(a) - bits(b)));
            } else if (choice.value == 3) {
                writeResult(console, a, " * ", b, wrap(bits(a) * bits(b)));
            } else if (b == 0) {
                console.writeLine(divisionByZero);
            } else {
                writeResult(console, a, " / ", b, quotient(a, b));
            }
            break;
        }
        case 5: {
            const IntRead read = ask(console, factorialPrompt);
            if (read.outcome == ReadOutcome::end) {
                return 0;
            }
            if (read.outcome == ReadOutcome::invalid) {
                console.writeLine(retry);
                break;
            }
            std::int32_t n = read.value;
            std::int32_t product = n;
            // Once the product has wrapped to 0 it stays 0, so the rest of the countdown can go.
            while (n > 1 && product != 0) {
                --n;
                product = wrap(bits(product) * bits(n));
            }
            std::int32_t counter = read.value;
            console.writeInt(counter);
            console.write("! = ");
            for (; counter > 0; --counter) {
                console.writeInt(counter);
                if (counter == 1) {
                    console.write(" = ");
                    console.writeInt(product);
                    console.write(" \n");
                } else {
                    console.write(" * ");
                }
            }
            break;
        }
        case 6:
            running = false;
            break;
        default:
            console.writeLine(retry);
            break;
        }
    }
    return 0;
}
