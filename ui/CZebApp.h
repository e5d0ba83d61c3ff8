#pragma once

// The application: finds the program folder, reads the project named on the
// command line, shows the loading screen that becomes the template library,
// starts the main window with the chosen document and runs it, then releases
// the libraries and the templates.

#include <QStringList>
#include <memory>
#include <string>

#include "document/LeFile.h"

namespace vx {

class CZebDlg;
class TmpDlg;

class CZebApp {
public:
    // The whole run; returns the exit status.
    int InitInstance(const QStringList& args);

    // ---- The steps, for InitInstance and tests ----

    // A project path after the program's name (as when a ".zeb" file is
    // opened from the desktop) is read now, its messages shown; what could be
    // read becomes the preset.
    void ParseCommandLine(const QStringList& args);

    // The template window, preset with the command line's project.
    std::unique_ptr<TmpDlg> CreateTmpDlg(bool loading) const;

    // The main window's first document from the template window's choice:
    // the command line's project (keeping its name) when the window was left
    // with Escape, a template as an unnamed project, or a blank project.
    void StartDocument(CZebDlg& dlg, const TmpDlg& tmp) const;

private:
    std::unique_ptr<LeFile> preset_;
    std::string preset_name_;
};

}  // namespace vx
