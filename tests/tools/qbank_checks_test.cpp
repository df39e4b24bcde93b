#include "qbank/checks.h"
#include "qbank/encoding.h"
#include "qbank/numeric.h"
#include "qbank/stems.h"
#include "platform/platform.h"
#include "gfx/font.h"

#include "qbank_support.h"

#include <gtest/gtest.h>

namespace {

using qbank::CheckOptions;
using qbank::Problem;
using qbank::SourceFile;

// The problems of these sources, as "file:line: message".
std::vector<std::string> ProblemsOf(const std::vector<std::pair<std::string, std::string>>& sources,
                                    CheckOptions options = {false}) {
    std::vector<SourceFile> files;
    for (const auto& [name, text] : sources) files.push_back(qbank::ParseSource(name, text));
    std::vector<std::string> described;
    for (const Problem& problem : qbank::CheckSources(files, options).problems) {
        described.push_back(qbank::Describe(problem));
    }
    return described;
}

std::vector<std::string> ProblemsOf(const std::string& text, CheckOptions options = {false}) {
    return ProblemsOf({{"q.txt", text}}, options);
}

::testing::AssertionResult HasProblem(const std::vector<std::string>& problems,
                                      const std::string& start, const std::string& part) {
    for (const std::string& problem : problems) {
        if (problem.rfind(start, 0) == 0 && problem.find(part) != std::string::npos) {
            return ::testing::AssertionSuccess();
        }
    }
    std::string all;
    for (const std::string& problem : problems) all += "\n  " + problem;
    return ::testing::AssertionFailure()
           << "no \"" << start << "...\" with \"" << part << "\" among:" << all;
}

TEST(QbankChecks, AWellFormedSetHasNoProblems) {
    EXPECT_TRUE(ProblemsOf(qbank_testing::NumberedSource(1000)).empty());
}

TEST(QbankChecks, CharactersWithoutAWindows1250FormAreNamedWithTheirColumn) {
    const auto problems =
        ProblemsOf("Kdo zpíval ♪ a ☃?\nA\nB\nC\n\nQ\nA\xFF\nB\nC\n\nQ2\nA\nB\tb\nC\n");
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_TRUE(HasProblem(problems,
                           "q.txt:1: column 12:", "U+266A) has no Windows-1250 form (and 1 more"));
    EXPECT_TRUE(HasProblem(problems, "q.txt:7: column 2:", "not valid UTF-8"));
    EXPECT_TRUE(HasProblem(problems, "q.txt:13: column 2:", "control character U+0009"));
}

TEST(QbankChecks, CzechLettersAndTheCodePagesSymbolsEncode) {
    const qbank::Encoded encoded = qbank::EncodeLine("Příliš žluťoučký kůň – „úpěl“ 100 °C × 2 €");
    EXPECT_EQ(encoded.error, "");
    EXPECT_EQ(encoded.text,
              "P\xF8\xEDli\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2 \x96 \x84\xFAp\xECl\x93 "
              "100 \xB0"
              "C \xD7 2 \x80");
    EXPECT_NE(qbank::EncodeLine("\xC0\x80").error, "");      // an overlong form of NUL
    EXPECT_NE(qbank::EncodeLine("\xED\xA0\x80").error, "");  // a surrogate
}

TEST(QbankChecks, AFieldHoldsAtMost498BytesOnceEncoded) {
    const std::string fits(498, 'x');
    const std::string czechFits = [] {
        std::string s;
        for (int i = 0; i < 498; ++i) s += "č";  // two bytes in UTF-8, one in Windows-1250
        return s;
    }();
    EXPECT_TRUE(ProblemsOf(fits + "\nA\nB\nC\n\nQ\n" + czechFits + "\nB\nC\n").empty());
    const auto problems = ProblemsOf("Q\nA\n" + fits + "x\nC\n");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              "q.txt:3: wrong answer 1 is 499 bytes in Windows-1250; a line holds at most 498");
}

TEST(QbankChecks, AnEmptyFieldIsReported) {
    EXPECT_EQ(ProblemsOf("\n\nQ\n\\\nB\nC\n"),
              (std::vector<std::string>{"q.txt:4: the correct answer is empty"}));
}

TEST(QbankChecks, ARepeatedQuestionNamesBothPlacesAcrossFiles) {
    const auto problems = ProblemsOf({{"a.txt", "Které město je hlavní?\nA\nB\nC\n"},
                                      {"b.txt", "# x\n\nKTERÉ  město, je hlavní!\nD\nE\nF\n"}});
    EXPECT_EQ(problems,
              (std::vector<std::string>{"b.txt:3: the question repeats the one at a.txt:1"}));
}

TEST(QbankChecks, FoldingKeepsDiacriticsDigitsAndTheirSeparators) {
    EXPECT_EQ(qbank::FoldForComparison("\x8A\xCD\xC8 (a) \xAB"
                                       "B\xBB, 1,5 - 2!"),
              "\x9A\xED\xE8"
              "ab1,52");
    EXPECT_TRUE(ProblemsOf("Byl?\nA\nB\nC\n\nByl\xC3\xAD?\nA\nB\nC\n").empty());
    EXPECT_TRUE(ProblemsOf("Kolik je 1,5 + 1?\nA\nB\nC\n\nKolik je 15 + 1?\nA\nB\nC\n").empty());
    // A minus sign, written as a hyphen or an en dash, makes a different number.
    EXPECT_TRUE(ProblemsOf("Kolik je 0!?\n1\n0\n\xE2\x80\x93\x31\n\nA?\nasi 4 \xC2\xB0\x43\n0\n-4 \xC2\xB0\x43\n").empty());
}

TEST(QbankChecks, TwoEqualAnswersInOneQuestion) {
    const auto problems = ProblemsOf("Q\nPraha\nBrno\npraha.\n\nQ2\n1,5 m\n15 m\n1.5 m\n");
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "q.txt:4: wrong answer 2 is the same as the correct answer (line 2)"}));
}

TEST(QbankChecks, TheNumberOfQuestions) {
    // A small set plays whole: it is worth a warning, not a refusal.
    EXPECT_TRUE(ProblemsOf(qbank_testing::NumberedSource(30)).empty());
    const std::vector<SourceFile> few = {
        qbank::ParseSource("q.txt", qbank_testing::NumberedSource(999))};
    const std::vector<Problem> warnings = qbank::CheckSources(few, {false}).warnings;
    ASSERT_FALSE(warnings.empty());
    EXPECT_EQ(qbank::Describe(warnings.back()),
              "qbank: warning: only 999 questions; a game draws 1000, so each game plays them all");
    EXPECT_TRUE(HasProblem(ProblemsOf(qbank_testing::NumberedSource(1501)),
                           "qbank: 1501 questions", "at most 1500"));
    EXPECT_TRUE(ProblemsOf(qbank_testing::NumberedSource(1500)).empty());
}

std::optional<std::array<double, 3>> ValuesOf(std::string a, std::string b, std::string c) {
    return qbank::NumericValues({"Q?", std::move(a), std::move(b), std::move(c)});
}

TEST(QbankNumeric, AnswersAreNumericWhenOnlyTheNumberDiffers) {
    using Values = std::array<double, 3>;
    EXPECT_EQ(ValuesOf("8 m", "6 m", "10 m"), (Values{8, 6, 10}));
    EXPECT_EQ(ValuesOf("1969", "1965", "1973"), (Values{1969, 1965, 1973}));
    EXPECT_EQ(ValuesOf("10 000 km", "9 500 km", "12 000 km"),
              (Values{10000, 9500, 12000}));
    EXPECT_EQ(ValuesOf("1,5 l", "2 l", "3.25 l"), (Values{1.5, 2, 3.25}));
    EXPECT_EQ(ValuesOf("asi -5 °C", "asi −3 °C", "asi 4 °C"),
              (Values{-5, -3, 4}));
    EXPECT_EQ(ValuesOf("–40", "0", "–32"), (Values{-40, 0, -32}));  // en dashes
    EXPECT_TRUE(ValuesOf(std::string(400, '9'), "1", "2"));  // out of range, no throw
    EXPECT_FALSE(ValuesOf("6 m", "8 km", "10 m"));        // another unit
    EXPECT_FALSE(ValuesOf("Praha", "8", "10"));           // a word
    EXPECT_FALSE(ValuesOf("1914-1918", "1939", "1945"));  // a range
    EXPECT_FALSE(ValuesOf("v roce 1620", "roku 1621", "v roce 1622"));
}

TEST(QbankNumeric, SpacingAndThePositionOfTheRightValue) {
    EXPECT_TRUE(qbank::EvenlySpaced({8, 6, 10}));
    EXPECT_TRUE(qbank::EvenlySpaced({1969, 1973, 1965}));
    EXPECT_TRUE(qbank::EvenlySpaced({0.2, 0.1, 0.3}));
    EXPECT_FALSE(qbank::EvenlySpaced({1, 2, 4}));
    EXPECT_FALSE(qbank::EvenlySpaced({5, 5, 5}));
    EXPECT_EQ(qbank::RightValuePosition({6, 8, 10}), 0);
    EXPECT_EQ(qbank::RightValuePosition({8, 6, 10}), 1);
    EXPECT_EQ(qbank::RightValuePosition({10, 8, 6}), 2);
    EXPECT_FALSE(qbank::RightValuePosition({6, 6, 10}));
}

TEST(QbankNumeric, CheckWarnsAboutEvenlySpacedValuesAtTheRightAnswer) {
    const std::vector<SourceFile> files = {qbank::ParseSource(
        "q.txt", "Kolik?\n8 m\n6 m\n10 m\n\nKdy?\n1969\n1965\n1974\n\nKdo?\n7\n5\n9\n")};
    const qbank::CheckedQuestions checked = qbank::CheckSources(files, {false});
    EXPECT_TRUE(checked.problems.empty());
    ASSERT_EQ(checked.warnings.size(), 3u);  // two triples and the small set
    EXPECT_EQ(qbank::Describe(checked.warnings[0]),
              "q.txt:2: warning: the answers \"8 m\", \"6 m\" and \"10 m\" are evenly spaced; "
              "the middle one stands out");
    EXPECT_EQ(checked.warnings[1].line, 12);
}

std::vector<std::string> WarningsOf(const std::string& text) {
    const std::vector<SourceFile> files = {qbank::ParseSource("q.txt", text)};
    std::vector<std::string> described;
    for (const Problem& warning : qbank::CheckSources(files, {false}).warnings) {
        if (!warning.file.empty()) described.push_back(qbank::Describe(warning));
    }
    return described;
}

TEST(QbankNumeric, LaddersOfTensAndEvenlyCountedNumberWords) {
    EXPECT_TRUE(qbank::TenfoldLadder({340, 34, 3400}));
    EXPECT_TRUE(qbank::TenfoldLadder({0.5, 50, 5000}));
    EXPECT_FALSE(qbank::TenfoldLadder({34, 340, 1000}));
    EXPECT_FALSE(qbank::TenfoldLadder({2, 4, 8}));
    EXPECT_FALSE(qbank::TenfoldLadder({-34, -340, -3400}));
    using Values = std::array<double, 3>;
    EXPECT_EQ(qbank::NumberWordValues({"Q", "Čtyři roky", "tři roky", "pět let"}),
              (Values{4, 3, 5}));
    EXPECT_EQ(qbank::NumberWordValues({"Q", "třikrát", "dvakrát", "čtyřikrát"}),
              (Values{3, 2, 4}));
    EXPECT_EQ(qbank::NumberWordValues({"Q", "druhé místo", "třetí místo", "čtvrté místo"}),
              (Values{2, 3, 4}));
    EXPECT_FALSE(qbank::NumberWordValues({"Q", "tři", "čtyři", "Praha"}));
    EXPECT_FALSE(qbank::NumberWordValues({"Q", "tři", "4", "pět"}));
    EXPECT_FALSE(qbank::NumberWordValues({"Q", "tři a dva", "čtyři", "pět"}));
    EXPECT_FALSE(qbank::NumberWordValues({"Q", "tři roky", "za čtyři roky", "pět let"}));

    const auto warnings = WarningsOf(
        "Kolik metrů?\n340 m\n34 m\n3 400 m\n\nKolik kroků?\n34 m\n340 m\n3 500 m\n\n"
        "Kolikrát?\ntřikrát\nčtyřikrát\ndvakrát\n\nKolikrát ještě?\ntřikrát\nčtyřikrát\nšestkrát\n");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "q.txt:2: warning: the answers \"340 m\", \"34 m\" and \"3 400 m\" climb by tens; "
              "the middle one stands out");
    EXPECT_EQ(warnings[1].substr(0, 22), "q.txt:12: warning: the");
    EXPECT_NE(warnings[1].find("count evenly"), std::string::npos);
}

TEST(QbankGiveaways, AnAnswerStatedInAnotherQuestionsTextAsWholeWords) {
    const auto warnings = WarningsOf(
        "Co měří uzel?\nrychlost lodi\nhloubku\nteplotu\n\n"
        "Jaká je rychlost lodi, která pluje pět uzlů?\nasi 9 km/h\n5 km/h\n15 km/h\n\n"
        "Kdo napsal Babičku?\nBožena Němcová\nKarolína Světlá\nJan Neruda\n\n"
        "Kde žila Božena Němcová?\nv Ratibořicích\nv Praze\nv Brně\n\n"
        "O čem psala BOŽENA NĚMCOVÁ?\no venkově\no moři\no horách\n");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "q.txt:2: warning: the correct answer \"rychlost lodi\" stands in the question at "
              "q.txt:6");
    EXPECT_EQ(warnings[1],
              "q.txt:12: warning: the correct answer \"Božena Němcová\" stands in the question "
              "at q.txt:16 (and 1 more)");
}

TEST(QbankGiveaways, ShortAnswersSmallNumbersAndPartsOfWordsAreNotWarnedAbout) {
    EXPECT_TRUE(WarningsOf("Co je řeka?\nNil\nDunaj\nRýn\n\n"
                           "Kam teče Nil?\ndo moře\ndo jezera\ndo pouště\n\n"
                           "Kolik je 6 + 6?\n12\n13\n15\n\n"
                           "Kolik měsíců má 12 let?\n144\n120\n156\n\n"
                           "Jaký je kov?\nzlato\nstříbro\nměď\n\n"
                           "Kdo je zlatokop?\nhledač zlata\nhorník\nkovář\n")
                    .empty());
    const std::string coincidence = "Kdy skončila válka?\n1945\n1944\n1947\n\n"
                                    "Co se stalo roku 1945 v Brně?\npovstání\nsjezd\nstávka\n\n"
                                    "Kolik metrů má 10 000 kroků?\nasi 7 km\nasi 2 km\nasi 20 km\n\n"
                                    "Kolik kroků ujdete za den?\n10 000\n100\n5\n\n"
                                    "Jaké je hlavní město?\nPraha\nBrno\nOstrava\n\n"
                                    "Kde stojí hrad Praha?\nna Hradčanech\nna Vyšehradě\nv Bubnech\n";
    const auto numbers = WarningsOf(coincidence);
    ASSERT_EQ(numbers.size(), 2u);  // not the year: many events share one
    EXPECT_EQ(numbers[0].substr(0, 9), "q.txt:17:");
    EXPECT_EQ(numbers[1].substr(0, 9), "q.txt:22:");
    const std::string reviewed = "# qbank: ověřeno\n" + coincidence.substr(coincidence.find("Jaké"));
    EXPECT_TRUE(WarningsOf(reviewed).empty());
}

std::string Stem(const std::string& utf8) {
    return platform::Cp1250ToUtf8(qbank::WordStem(qbank::EncodeLine(utf8).text));
}

TEST(QbankStems, CaseEndingsAreCutAndShortWordsKeptWhole) {
    for (const char* form : {"palachův", "palacha", "palachovi", "palachova"})
        EXPECT_EQ(Stem(form), "palach") << form;
    for (const char* form : {"rakousko", "rakouskou", "rakouské"}) EXPECT_EQ(Stem(form), "rakousk");
    EXPECT_EQ(Stem("uherské"), Stem("uherskou"));
    EXPECT_EQ(Stem("vltavou"), Stem("vltavy"));
    EXPECT_EQ(Stem("čapek"), Stem("čapka"));  // the mobile e
    EXPECT_EQ(Stem("vile"), Stem("vilu"));
    EXPECT_EQ(Stem("smrkových"), "smrk");
    EXPECT_EQ(Stem("lesích"), "les");
    EXPECT_NE(Stem("praha"), Stem("brno"));
    EXPECT_EQ(Stem("ano"), "ano");      // no stem shorter than three letters
    EXPECT_EQ(Stem("1348"), "1348");
    const std::vector<std::string> stems =
        qbank::ContentStems(qbank::EncodeLine("u Týna nad Vltavou a Labem").text);
    ASSERT_EQ(stems.size(), 3u);  // "u", "nad" and "a" say nothing
    EXPECT_EQ(platform::Cp1250ToUtf8(stems[1]), "vltav");
}

TEST(QbankGiveaways, ARightAnswerInItsOwnQuestion) {
    const auto warnings = WarningsOf(
        "Jak se nazývají protesty k výročí smrti Jana Palacha?\nPalachův týden\nPražská zima\n"
        "svatováclavský týden\n\n"
        "Kdo napsal Babičku, Božena Němcová?\nBožena Němcová\nKarolína Světlá\nJan Neruda\n\n"
        "Která je vyšší, Sněžka, nebo Praděd?\nSněžka\nPraděd\nLysá hora\n\n"
        "Který hrad dal postavit Karel IV.?\nhrad Karlštejn\nhrad Kost\nhrad Bouzov\n");
    ASSERT_EQ(warnings.size(), 2u);  // not when a wrong answer shares the word too
    EXPECT_EQ(warnings[0],
              "q.txt:2: warning: the correct answer \"Palachův týden\" is the only answer that "
              "shares a word (\"palachův\") with its question (line 1)");
    EXPECT_EQ(warnings[1],
              "q.txt:7: warning: the correct answer \"Božena Němcová\" stands in its question "
              "(line 6)");
}

TEST(QbankGiveaways, AnotherQuestionTellsTheAnswerInAnotherForm) {
    const auto warnings = WarningsOf(
        "Ve které vile se jednalo o rozdělení státu?\nve vile Tugendhat\nve vile Löw-Beer\n"
        "ve vile Stiassni\n\n"
        "Kdo navrhl brněnskou vilu Tugendhat?\nMies van der Rohe\nLe Corbusier\nAdolf Loos\n\n"
        "Který stát leží v Sahelu?\nMali\nPeru\nChile\n\n"
        "Jak malý je kolibřík?\nasi 6 cm\nasi 20 cm\nasi 40 cm\n");
    ASSERT_EQ(warnings.size(), 1u);  // one short word must match in form: "Mali" is not "malý"
    EXPECT_EQ(warnings[0],
              "q.txt:2: warning: the correct answer \"ve vile Tugendhat\" stands in the question "
              "at q.txt:6");
}

TEST(QbankGiveaways, AMarkThatSilencesNothingIsReported) {
    const std::string pair = "Kdo napsal Babičku?\nBožena Němcová\nKarolína Světlá\nJan Neruda\n\n"
                             "Kde žila Božena Němcová?\nv Ratibořicích\nv Praze\nv Brně\n\n";
    EXPECT_TRUE(WarningsOf("# qbank: ověřeno\n" + pair).empty());
    const auto warnings = WarningsOf(pair + "# qbank: ověřeno\nKolik je 2 + 2?\n4\n5\n7\n");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[1].substr(0, 10), "q.txt:11: ");
    EXPECT_NE(warnings[1].find("marks a question that gives nothing away"), std::string::npos);
}

TEST(QbankChecks, TextsThatDoNotFitTheirBlocksOnScreen) {
    const std::string longQuestion =
        "Jak se nazývá děj, při kterém rostliny za pomoci světla vyrábějí cukry z oxidu "
        "uhličitého a vody, a který plyn se přitom uvolňuje do ovzduší kolem nás všech, "
        "ať jsme kdekoli?";
    const std::string longAnswer =
        "velmi dlouhá odpověď, která se do tří řádků bloku odpovědi rozhodně nemůže vejít, "
        "protože má příliš mnoho slov, a ještě k tomu samá dlouhá";
    const auto problems = ProblemsOf("# fit\n" + longQuestion + "\nA\nB\n" + longAnswer +
                                         "\n\nQ\nNeuvěřitelněnekonečnědlouhéslovobezmezer\nB\nC\n",
                                     {true});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_TRUE(HasProblem(
        problems, "q.txt:2: the question does not fit its 500 x 110 block:", "would not show"));
    EXPECT_TRUE(HasProblem(
        problems, "q.txt:5: wrong answer 2 does not fit its 490 x 80 block:", "would not show"));
    EXPECT_TRUE(HasProblem(problems, "q.txt:8: the correct answer does not fit", "is too wide"));
    EXPECT_TRUE(ProblemsOf("# fit\n" + longQuestion + "\nA\nB\nC\n", {false}).empty());
}

TEST(QbankChecks, TheFitCheckMeasuresTheGamesBlocks) {
    // Words too wide to share a line: four lines of 26 px fit the 110 px question block,
    // five do not; the 80 px answer blocks take three.
    const std::string word = std::string(50, 'i') + " ";
    const int wordWidth = gfx::Font({"Arial", 26, 700, 238}).TextWidth(word);
    ASSERT_LE(wordWidth, 490);
    ASSERT_GT(wordWidth * 2, 500);
    std::string lines[6];
    for (int i = 1; i < 6; ++i) lines[i] = lines[i - 1] + word;
    EXPECT_EQ(qbank::FitProblem(lines[4], 0), "");
    EXPECT_NE(qbank::FitProblem(lines[5], 0), "");
    EXPECT_EQ(qbank::FitProblem(lines[3], 3), "");
    EXPECT_NE(qbank::FitProblem(lines[4], 1), "");
}

TEST(QbankChecks, ProblemsComeInFileAndLineOrder) {
    const auto problems =
        ProblemsOf({{"a.txt", "Q\nA\nA\nC\n\nX\nY\n"}, {"b.txt", "Q\n\\\nB\nC\n"}});
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].substr(0, 8), "a.txt:3:");
    EXPECT_EQ(problems[1].substr(0, 8), "a.txt:6:");
    EXPECT_EQ(problems[2].substr(0, 8), "b.txt:1:");  // repeats a.txt:1
    EXPECT_EQ(problems[3].substr(0, 8), "b.txt:2:");
}

}  // namespace
