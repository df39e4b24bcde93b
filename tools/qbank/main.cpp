// qbank: the question compiler. Turns the UTF-8 question sources into the game's scrambled
// question file, checks them, and turns a question file back into sources.
#include "commands.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage:\n"
    "  qbank compile [--interleave] [--no-fit] SOURCES... -o FILE\n"
    "  qbank check [--no-fit] SOURCES...\n"
    "  qbank decompile FILE -o FOLDER\n"
    "  qbank stats SOURCES...\n"
    "  qbank import SHEET -o FILE.txt\n"
    "  qbank export FILE -o SHEET\n"
    "\n"
    "Sources are UTF-8 text: four lines a question (the question, the correct answer, two\n"
    "wrong answers), a blank line between questions, # starting a comment line. A line\n"
    "starting with \\ is taken exactly as it stands after the \\. A first line\n"
    "\"# téma: NAME\" names the file's topic, else the file name does; compile writes the\n"
    "topics beside FILE (FILE with the extension .tem). Up to 1500 questions; a\n"
    "game draws 1000, or plays a smaller set whole. Your own set, compiled to\n"
    "<user folder>/Data/otazky4.crp, is played instead of the shipped one.\n"
    "  --interleave  spread each source file evenly through the file, its questions in a\n"
    "                fixed shuffled order, so that any stretch mixes every file\n"
    "  --no-fit      skip the check that every text shows whole on screen\n"
    "\n"
    "check also warns about answers that give themselves away: numbers evenly spaced, climbing\n"
    "by tens or counting evenly in words; a correct answer that stands in its own question or\n"
    "in another question's text, or is the only answer sharing a word with its question, the\n"
    "words compared by their Czech stems (Palachův ~ Palacha). A comment line\n"
    "\"# qbank: ověřeno\" before a question marks its matches as coincidences; a mark on a\n"
    "question that gives nothing away is warned about.\n"
    "\n"
    "A source may also be a spreadsheet (.csv, .xlsx, .ods): one question a row (the\n"
    "question, the correct answer, two wrong answers, optionally the topic, else the file's\n"
    "name), a header row \"Otázka; ...\" skipped; problems name the row. CSV may use ; or , and\n"
    "UTF-8 or Windows-1250. import writes a spreadsheet's good questions as text sources\n"
    "(a second topic to FILE-2.txt, ...) and lists the rows left out; export writes a\n"
    "question file and its topics as a spreadsheet (.xlsx, .ods or .csv).\n";

struct Arguments {
    std::string command;
    qbank::CompileOptions options;
    bool valid = true;
};

Arguments Parse(int argc, char** argv) {
    Arguments args;
    if (argc < 2) {
        args.valid = false;
        return args;
    }
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-o" && i + 1 < argc) {
            args.options.output = argv[++i];
        } else if (arg == "--interleave") {
            args.options.interleave = true;
        } else if (arg == "--no-fit") {
            args.options.fit = false;
        } else if (arg.starts_with("-")) {
            std::cerr << "qbank: unknown option " << arg << '\n';
            args.valid = false;
        } else {
            args.options.sources.emplace_back(arg);
        }
    }
    return args;
}

int Run(const Arguments& args) {
    const qbank::CompileOptions& options = args.options;
    const bool hasSources = !options.sources.empty();
    const bool hasOutput = !options.output.empty();
    if (args.command == "compile" && hasSources && hasOutput) {
        return qbank::Compile(options, std::cout, std::cerr);
    }
    if (args.command == "check" && hasSources && !hasOutput) {
        return qbank::Check(options, std::cout, std::cerr);
    }
    if (args.command == "decompile" && options.sources.size() == 1 && hasOutput) {
        return qbank::Decompile(options.sources.front(), options.output, std::cout, std::cerr);
    }
    if (args.command == "import" && options.sources.size() == 1 && hasOutput) {
        return qbank::Import(options, std::cout, std::cerr);
    }
    if (args.command == "export" && options.sources.size() == 1 && hasOutput) {
        return qbank::Export(options.sources.front(), options.output, std::cout, std::cerr);
    }
    if (args.command == "stats" && hasSources && !hasOutput) {
        return qbank::Stats(options.sources, std::cout, std::cerr);
    }
    std::cerr << kUsage;
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments args = Parse(argc, argv);
    if (args.valid && (args.command == "--help" || args.command == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (!args.valid) {
        std::cerr << kUsage;
        return kUsageError;
    }
    return Run(args);
}
