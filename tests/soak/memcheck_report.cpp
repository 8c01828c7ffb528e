#include "memcheck_report.h"

#include <tinyxml2.h>

#include <algorithm>
#include <sstream>

namespace memcheck {

namespace {

std::string textOf(const tinyxml2::XMLElement *parent, const char *name) {
    const auto *child = parent ? parent->FirstChildElement(name) : nullptr;
    return child && child->GetText() ? child->GetText() : "";
}

std::vector<Frame> stackOf(const tinyxml2::XMLElement *error) {
    std::vector<Frame> frames;
    const auto *stack = error->FirstChildElement("stack");
    for (const auto *f = stack ? stack->FirstChildElement("frame") : nullptr; f;
         f = f->NextSiblingElement("frame")) {
        Frame frame{textOf(f, "fn"), textOf(f, "obj"), textOf(f, "file"), 0};
        if (const auto *line = f->FirstChildElement("line")) {
            line->QueryIntText(&frame.line);
        }
        frames.push_back(frame);
    }
    return frames;
}

// Leaks say what they are in <xwhat><text>, other errors in <what>.
std::string whatOf(const tinyxml2::XMLElement *error) {
    const std::string what = textOf(error, "what");
    return what.empty() ? textOf(error->FirstChildElement("xwhat"), "text") : what;
}

} // namespace

std::optional<Report> parse(const std::string &xml) {
    tinyxml2::XMLDocument document;
    if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS) {
        // A run cut short leaves the document unclosed: read what is there all the same.
        const std::string closed = xml + "\n</valgrindoutput>\n";
        if (document.Parse(closed.c_str(), closed.size()) != tinyxml2::XML_SUCCESS) {
            return std::nullopt;
        }
    }
    const auto *root = document.FirstChildElement("valgrindoutput");
    if (root == nullptr) {
        return std::nullopt;
    }

    Report report;
    for (const auto *e = root->FirstChildElement("error"); e; e = e->NextSiblingElement("error")) {
        report.errors.push_back({textOf(e, "kind"), whatOf(e), stackOf(e)});
    }
    if (const auto *signal = root->FirstChildElement("fatal_signal")) {
        report.fatalSignal = textOf(signal, "signame");
    }
    if (const auto *counts = root->FirstChildElement("suppcounts")) {
        for (const auto *pair = counts->FirstChildElement("pair"); pair;
             pair = pair->NextSiblingElement("pair")) {
            int count = 0;
            if (const auto *c = pair->FirstChildElement("count")) {
                c->QueryIntText(&count);
            }
            report.suppressed[textOf(pair, "name")] += count;
        }
    }
    for (const auto *s = root->FirstChildElement("status"); s;
         s = s->NextSiblingElement("status")) {
        report.finished = report.finished || textOf(s, "state") == "FINISHED";
    }
    return report;
}

bool isLeak(const Error &error) {
    return error.kind.rfind("Leak_", 0) == 0;
}

bool isLostMemory(const Error &error) {
    return error.kind == "Leak_DefinitelyLost" || error.kind == "Leak_IndirectlyLost";
}

bool touches(const Error &error, const std::filesystem::path &program) {
    std::error_code failed;
    const auto binary = std::filesystem::weakly_canonical(program, failed);
    return std::any_of(error.stack.begin(), error.stack.end(), [&](const Frame &frame) {
        if (frame.object.empty()) {
            return false;
        }
        const auto object = std::filesystem::weakly_canonical(frame.object, failed);
        return object == binary;
    });
}

std::vector<Error> faults(const Report &report, const std::filesystem::path &program) {
    std::vector<Error> found;
    for (const auto &error : report.errors) {
        if (isLeak(error) ? isLostMemory(error) : touches(error, program)) {
            found.push_back(error);
        }
    }
    return found;
}

std::string describe(const Error &error) {
    std::ostringstream text;
    text << error.kind << ": " << error.what << "\n";
    for (const auto &frame : error.stack) {
        text << "    " << (frame.function.empty() ? "???" : frame.function) << " in "
             << std::filesystem::path(frame.object).filename().string();
        if (!frame.file.empty()) {
            text << " (" << frame.file << ":" << frame.line << ")";
        }
        text << "\n";
    }
    return text.str();
}

} // namespace memcheck
