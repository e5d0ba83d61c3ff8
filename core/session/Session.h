#pragma once

// What the main window edits, without the window: the logo document `lf`, its
// undo track `utrack` and the project file name, with the window's commands as
// operations on them. Each command does what its menu item or button does to
// the document, including the undo snapshot, and returns whether it changed
// anything; the window then refreshes what it shows.
//
// The commands are guarded by the same rules that enable them (EditMenu.h), so
// a command that reaches them in a state where it is disabled does nothing.

#include <string>

#include "document/LeFile.h"
#include "document/UndoTrack.h"

namespace vx {

class Session {
public:
    LeFile lf;
    UndoTrack utrack;
    std::string doc_name;  // full path of the project file; empty for a new project
    // A property bar is open: it edits `lf` in place, and the output window and
    // the quick text field leave the current object and the undo track alone.
    bool bar_modal = false;

    Session();

    // The file name of doc_name, and the window caption built from it.
    std::string DocTitle() const;
    std::string Caption() const;

    // ---- File commands ----

    // An empty document with a white background and a fresh undo track.
    void NewBlank();
    // Reads `path` into the document. A file that cannot be opened or is refused
    // leaves the document and its name alone (false); one that ends early shows
    // what was read as an unnamed project, so a plain Save cannot overwrite the
    // damaged file. The user sees the failure as a message.
    bool Load(const std::string& path);
    // Writes the document to `path`, which becomes its name on success.
    bool Save(const std::string& path);
    // Adds the picture at `path` as a custom bitmap object at the back; false
    // (with a message when unreadable) when it cannot be added.
    bool Import(const std::string& path);

    bool Undo();
    bool Redo();
    // Records the document as the latest undo step.
    void Track();

    // ---- Object commands ----

    bool RemoveObject();
    bool DuplicateObject();
    bool BringCloser();
    bool SendFarther();
    bool BringToFront();
    bool SendToBack();
    bool SelectLower();        // the "Next" button: index cur-1, wrapping
    bool SelectHigher();       // the "Prev" button: index cur+1, wrapping
    bool SelectObject(int n);  // the "Current Object" menu

    // ---- Property bars ----

    // Before a bar opens: adds a new object of `type` (TEXT_OBJECT, SHAPE_OBJECT;
    // -1 for none) and enters the bar state. False, with nothing changed, when
    // the document has no room for the object.
    bool PreBarModal(int type);
    // After the bar closed: records its edit, steps back over it when
    // cancelled (the edit stays reachable by Redo), and leaves the bar state.
    void PostBarModal(bool ok);

    // ---- Quick text field ----

    enum class QuickFocus { NONE, SELECTED, ADDED };
    // The field gained focus: makes the first text object current, or adds one
    // when there is none.
    QuickFocus QuickTextFocus();
    // The field's text changed (UTF-8): becomes the current text object's
    // text, filtered to what the files can hold.
    bool QuickTextChanged(const std::string& utf8);
    // The field lost focus: a text object left blank is removed; typed text
    // becomes one undo step.
    bool QuickTextLeft();
    // What the field shows (code page 1252): the current text object's text.
    std::string QuickText() const;

private:
    bool CurrentIsText() const;
    // Records typed text not yet in the undo track.
    void CommitTyping();
    bool typing_ = false;
};

}  // namespace vx
