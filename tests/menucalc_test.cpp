#include "case_name.hpp"
#include "cp1254.hpp"
#include "process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string menu(
    cp1254("Toplama için 1'e basınız.\n"
           "Çıkarma için 2'e basınız.\n"
           "Çarpma için 3'e basınız.\n"
           "Bölme için 4'e basınız.\n"
           "Faktoriyel için 5'e basınız.\n"
           "Çıkış için 6'e basınız.\n"));
const std::string retry(cp1254("Geçerli bir giriş yapmadınız, lütfen tekrar deneyiniz.. \n"));
const std::string factorialPrompt(cp1254("n! , n değerini giriniz."));
const std::string divisionByZero(cp1254("Sıfıra bölünemez.\n"));
const std::string operandPrompts = "input 1 : input 2 : ";

std::string countdown(int n, const std::string& product) {
    std::string text = std::to_string(n) + "! = ";
    for (int k = n; k > 1; --k) {
        text += std::to_string(k) + " * ";
    }
    return text + "1 = " + product + " \n";
}

// A session: what the user types, what follows each menu, and what stands after the last menu.
struct Session {
    const char* name;
    std::string input;
    std::vector<std::string> answers;
    std::string tail = "";
};

const Session sessions[] = {
    {"Add", "1\n7\n5\n6\n", {operandPrompts + "7 + 5 = 12\n"}},
    {"Subtract", "2 7 5 6", {operandPrompts + "7 - 5 = 2\n"}},
    {"Multiply", "3 7 5 6", {operandPrompts + "7 * 5 = 35\n"}},
    {"DivideTruncatesTowardZero",
     "4 7 -2 4 -7 2 4 -7 -2 6",
     {operandPrompts + "7 / -2 = -3\n", operandPrompts + "-7 / 2 = -3\n", operandPrompts + "-7 / -2 = 3\n"}},
    {"AddWraps", "1 2147483647 1 6", {operandPrompts + "2147483647 + 1 = -2147483648\n"}},
    {"SubtractWraps", "2 -2147483648 1 6", {operandPrompts + "-2147483648 - 1 = 2147483647\n"}},
    {"MultiplyWraps",
     "3 65536 65536 3 -2147483648 -1 6",
     {operandPrompts + "65536 * 65536 = 0\n", operandPrompts + "-2147483648 * -1 = -2147483648\n"}},
    {"SmallestDividedByMinusOneWraps",
     "4 -2147483648 -1 6",
     {operandPrompts + "-2147483648 / -1 = -2147483648\n"}},
    {"DivisionByZero", "4 7 0 1 1 1 6", {operandPrompts + divisionByZero, operandPrompts + "1 + 1 = 2\n"}},
    {"FactorialOfFive", "5 5 6", {factorialPrompt + "5! = 5 * 4 * 3 * 2 * 1 = 120 \n"}},
    {"FactorialOfOne", "5 1 6", {factorialPrompt + "1! = 1 = 1 \n"}},
    {"FactorialWraps",
     "5 13 5 16 5 20 6",
     {factorialPrompt + countdown(13, "1932053504"), factorialPrompt + countdown(16, "2004189184"),
      factorialPrompt + countdown(20, "-2102132736")}},
    {"FactorialWrapsToZero", "5 40 6", {factorialPrompt + countdown(40, "0")}},
    {"FactorialOfZeroAndBelowLeavesThePrefix",
     "5 0 5 -3 6",
     {factorialPrompt + "0! = ", factorialPrompt + "-3! = "}},
    {"InvalidChoices", "0 7 -1 2147483647 6", {retry, retry, retry, retry}},
    {"WordForAChoiceIsConsumed", "add 1x 6", {retry, "input 1 : " + retry}},
    {"ChoiceBeyond32Bits", "4294967297 6", {retry}},
    {"WordForAnOperand",
     "1 x 1 5 y 3 4 5 6",
     {"input 1 : " + retry, operandPrompts + retry, operandPrompts + "4 * 5 = 20\n"}},
    {"WordForN", "5 n 5 3 6", {factorialPrompt + retry, factorialPrompt + "3! = 3 * 2 * 1 = 6 \n"}},
    {"SeveralNumbersOnALine",
     "3 6 7 1 -1 -1\n6\n",
     {operandPrompts + "6 * 7 = 42\n", operandPrompts + "-1 + -1 = -2\n"}},
    {"ExitIgnoresTheRest", "6 1 2 3", {}},
    {"EndAtTheChoice", "", {}},
    {"EndAtTheChoiceAfterAnOperation", "1 2 3", {operandPrompts + "2 + 3 = 5\n"}},
    {"EndAtTheFirstOperand", "1 ", {}, "input 1 : "},
    {"EndAtTheSecondOperand", "4 9\n", {}, operandPrompts},
    {"EndAtN", "5", {}, factorialPrompt},
};

class MenucalcSessions : public testing::TestWithParam<Session> {};

TEST_P(MenucalcSessions, WritesExactlyThisDialogue) {
    std::string expected;
    for (const std::string& answer : GetParam().answers) {
        expected += menu + answer;
    }
    expected += menu + GetParam().tail;
    const Finished run = runProgram(MENUCALC, GetParam().input);
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(Menucalc, MenucalcSessions, testing::ValuesIn(sessions), CaseName());

TEST(Menucalc, LargeFactorialWritesItsWholeCountdown) {
    const Finished run = runProgram(MENUCALC, "5 100000 6");
    EXPECT_EQ(run.output, menu + factorialPrompt + countdown(100000, "0") + menu);
    EXPECT_EQ(run.status, 0);
}

TEST(Menucalc, AnswersEachPromptOnlyAfterItArrivesOverPipes) {
    Dialogue dialogue(MENUCALC);
    ASSERT_TRUE(dialogue.awaitEnding(menu));
    dialogue.send("3\n");
    ASSERT_TRUE(dialogue.awaitEnding("input 1 : "));
    dialogue.send("6\n");
    ASSERT_TRUE(dialogue.awaitEnding("input 2 : "));
    dialogue.send("7\n");
    ASSERT_TRUE(dialogue.awaitEnding("6 * 7 = 42\n" + menu));
    dialogue.send("5\n");
    ASSERT_TRUE(dialogue.awaitEnding(factorialPrompt));
    dialogue.send("3\n");
    ASSERT_TRUE(dialogue.awaitEnding("3! = 3 * 2 * 1 = 6 \n" + menu));
    dialogue.send("6\n");
    const Finished run = dialogue.finish();
    EXPECT_EQ(run.output, menu + operandPrompts + "6 * 7 = 42\n" + menu + factorialPrompt +
                              "3! = 3 * 2 * 1 = 6 \n" + menu);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.status, 0);
}

}  // namespace
