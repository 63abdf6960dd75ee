#include "app/scenario/shown_language.h"

#include <QCoreApplication>
#include <regex>

#include "engine/phrase.h"

namespace velmor::scenario {
namespace {

// The first of the contexts whose catalogue entry changes the text.
std::string translated(const std::string& english, std::initializer_list<const char*> contexts) {
    for (const char* context : contexts) {
        const std::string words = QCoreApplication::translate(context, english.c_str()).toStdString();
        if (words != english) return words;
    }
    return english;
}

}  // namespace

std::string shownAs(const std::string& english, std::initializer_list<const char*> contexts) {
    if (english.empty()) return english;
    if (const std::string words = translated(english, contexts); words != english) return words;
    std::smatch parts;
    static const std::regex markAndValue(R"((Result =)( .*))");
    if (std::regex_match(english, parts, markAndValue)) return translated(parts[1], contexts) + parts[2].str();
    static const std::regex errorNumber(R"((\d+)( *)(\D.*))");
    if (std::regex_match(english, parts, errorNumber))
        return parts[1].str() + parts[2].str() + translated(parts[3], contexts);
    static const std::regex aroundNumber(R"((\D*?)(\d+(?:\.\d+)*)(.*))");
    if (std::regex_match(english, parts, aroundNumber)) {
        const std::string words = translated(parts[1].str() + "%1" + parts[3].str(), contexts);
        if (words.find("%1") != std::string::npos) return withArgument(words, parts[2].str());
    }
    return english;
}

std::initializer_list<const char*> contextsOf(const std::string& name) {
    static constexpr std::initializer_list<const char*> kWindows = {"Window", "Menu"};
    static constexpr std::initializer_list<const char*> kAbout = {"About", "Message"};
    static constexpr std::initializer_list<const char*> kControls = {"Key", "Display"};
    if (name == "frmcalculator" || name == "frmAbout") return kWindows;
    return name.starts_with("frmAbout.") ? kAbout : kControls;
}

}  // namespace velmor::scenario
