#include "memcheck_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

const std::string game = "/opt/cubefall/bin/cubefall";

std::string frame(const std::string &function, const std::string &object) {
    return "<frame><ip>0x1</ip><obj>" + object + "</obj><fn>" + function + "</fn></frame>";
}

std::string error(const std::string &kind, const std::string &what,
                  const std::vector<std::string> &frames, bool leak = false) {
    std::string text = "<error><unique>0x0</unique><tid>1</tid><kind>" + kind + "</kind>";
    text += leak ? "<xwhat><text>" + what + "</text><leakedbytes>8</leakedbytes></xwhat>"
                 : "<what>" + what + "</what>";
    text += "<stack>";
    for (const auto &f : frames) {
        text += f;
    }
    return text + "</stack></error>";
}

std::string document(const std::string &body, bool finished = true) {
    std::string text = "<?xml version=\"1.0\"?>\n<valgrindoutput><protocolversion>4"
                       "</protocolversion><status><state>RUNNING</state></status>";
    text += body;
    if (finished) {
        text += "<status><state>FINISHED</state></status></valgrindoutput>\n";
    }
    return text;
}

const std::string inGame = frame("affichage()", game);
const std::string inMesa = frame("", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so");
const std::string inMalloc = frame("malloc", "/usr/libexec/valgrind/vgpreload_memcheck.so");

} // namespace

TEST(MemcheckReport, ReadsEachErrorWithItsKindTextAndStack) {
    const auto report = memcheck::parse(
        document(error("InvalidRead", "Invalid read of size 4", {inMesa, inGame}) +
                 error("Leak_DefinitelyLost", "8 bytes in 1 blocks are definitely lost",
                       {inMalloc, inGame}, true) +
                 "<suppcounts><pair><count>3</count><name>a</name></pair>"
                 "<pair><count>2</count><name>b</name></pair></suppcounts>"));
    ASSERT_TRUE(report);
    ASSERT_EQ(report->errors.size(), 2u);
    EXPECT_EQ(report->errors[0].kind, "InvalidRead");
    EXPECT_EQ(report->errors[0].what, "Invalid read of size 4");
    ASSERT_EQ(report->errors[0].stack.size(), 2u);
    EXPECT_EQ(report->errors[0].stack[1].function, "affichage()");
    EXPECT_EQ(report->errors[0].stack[1].object, game);
    EXPECT_EQ(report->errors[1].what, "8 bytes in 1 blocks are definitely lost");
    EXPECT_EQ(report->suppressed, (std::map<std::string, int>{{"a", 3}, {"b", 2}}));
    EXPECT_TRUE(report->finished);
    EXPECT_FALSE(report->fatalSignal);
}

TEST(MemcheckReport, AGameThatDiedLeavesAnUnfinishedReportNamingTheSignal) {
    const auto report = memcheck::parse(
        document("<fatal_signal><tid>1</tid><signo>11</signo><signame>SIGSEGV</signame>"
                 "<stack>" +
                     inGame + "</stack></fatal_signal>",
                 false));
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->finished);
    EXPECT_EQ(report->fatalSignal, "SIGSEGV");
}

TEST(MemcheckReport, RefusesWhatIsNotValgrindXml) {
    EXPECT_FALSE(memcheck::parse(""));
    EXPECT_FALSE(memcheck::parse("==123== Memcheck, a memory error detector\n"));
    EXPECT_FALSE(memcheck::parse("<?xml version=\"1.0\"?><other/>"));
}

// The game's faults are lost memory anywhere and bad accesses with the game on the stack; a
// report wholly inside the libraries, or memory still pointed to, is not the game's.
TEST(MemcheckReport, FaultsAreLostMemoryAndErrorsWithTheGameOnTheStack) {
    const auto report = memcheck::parse(document(
        error("InvalidWrite", "Invalid write of size 1", {inMesa, inGame}) +
        error("UninitCondition", "Conditional jump depends on uninitialised value", {inMesa}) +
        error("Leak_IndirectlyLost", "8 bytes indirectly lost", {inMalloc, inMesa}, true) +
        error("Leak_PossiblyLost", "8 bytes possibly lost", {inMalloc, inGame}, true) +
        error("Leak_DefinitelyLost", "8 bytes definitely lost", {inMalloc, inGame}, true)));
    ASSERT_TRUE(report);

    const auto faults = memcheck::faults(*report, game);
    std::vector<std::string> kinds;
    for (const auto &f : faults) {
        kinds.push_back(f.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"InvalidWrite", "Leak_IndirectlyLost",
                                               "Leak_DefinitelyLost"}));
}

TEST(MemcheckReport, TheGameIsRecognisedThroughAnotherPathToItsBinary) {
    std::string pattern = (std::filesystem::temp_directory_path() / "memcheck-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const auto binary = dir / "cubefall";
    { std::ofstream(binary) << "x"; }
    const auto link = dir / "link";
    std::filesystem::create_directory_symlink(dir, link);

    const memcheck::Error viaLink{"InvalidRead", "", {{"f", (link / "cubefall").string(), "", 0}}};
    const memcheck::Error elsewhere{"InvalidRead", "", {{"f", (dir / "other").string(), "", 0}}};
    EXPECT_TRUE(memcheck::touches(viaLink, binary));
    EXPECT_FALSE(memcheck::touches(elsewhere, binary));
    std::filesystem::remove_all(dir);
}
