#pragma once

// Sessions and documents for the main window's rules: documents made of
// objects of given kinds, and a session that starts from one.

#include <initializer_list>

#include "session/Session.h"
#include "support/ObjectKinds.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx::test {

// A document of one object per kind (see AddObjectsOfKinds) with object `cur`
// current; -1 leaves none current.
LeFile DocumentOfKinds(std::initializer_list<int> kinds, int cur);

// A session recording messages and fatal reports, and a folder for the files
// a test reads or writes.
class SessionTest : public RecordingTest {
protected:
    // The document becomes `kinds` with the last object current, committed as
    // the state to undo to.
    void Start(std::initializer_list<int> kinds);
    Session s;
    TempDir dir;
};

}  // namespace vx::test
