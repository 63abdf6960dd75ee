#include "app/qt_options.h"

#include <array>

namespace velmor {
namespace {

// As Qt 6 reads them: QGuiApplication's (with the words of Qt's own --help-all),
// QApplication's and the X11 platform's, which Qt's own help leaves out. Qt
// takes every one of them before the program looks at its arguments.
constexpr std::array kQtOptions = {
    QtOption{"platform", "platformName[:options]", "QPA plugin. See QGuiApplication documentation for available options for each plugin."},
    QtOption{"platformpluginpath", "path", "Path to the platform plugins."},
    QtOption{"platformtheme", "theme", "Platform theme."},
    QtOption{"plugin", "plugin", "Additional plugins to load, can be specified multiple times."},
    QtOption{"qwindowgeometry", "geometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50."},
    QtOption{"qwindowicon", "icon", "Default window icon."},
    QtOption{"qwindowtitle", "title", "Title of the first window."},
    QtOption{"reverse", "", "Sets the application's layout direction to Qt::RightToLeft (debugging helper)."},
    QtOption{"session", "session", "Restores the application from an earlier session."},
    QtOption{"style", "style", "Widget style, such as fusion; the styles depend on the system."},
    QtOption{"stylesheet", "stylesheet", "Path to a file of a Qt style sheet to apply to the window."},
    QtOption{"widgetcount", "", "Prints at the end how many widgets were left undestroyed and the most that existed at once."},
    QtOption{"display", "hostname:screen_number", "X11 display to open instead of the one DISPLAY names."},
    QtOption{"geometry", "geometry", "On X11, the same as -qwindowgeometry."},
    QtOption{"title", "title", "On X11, the same as -qwindowtitle."},
    QtOption{"icon", "icon", "On X11, the same as -qwindowicon."},
    QtOption{"name", "name", "On X11, the instance name of the window's class."},
};

}  // namespace

std::span<const QtOption> qtOptions() { return kQtOptions; }

const QtOption* qtOptionNamed(std::string_view argument) {
    if (argument.starts_with("--")) argument.remove_prefix(2);
    else if (argument.starts_with("-")) argument.remove_prefix(1);
    else return nullptr;
    for (const QtOption& option : kQtOptions)
        if (option.name == argument) return &option;
    return nullptr;
}

}  // namespace velmor
