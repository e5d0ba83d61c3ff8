#include "support/SessionFixture.h"

namespace vx::test {

LeFile DocumentOfKinds(std::initializer_list<int> kinds, int cur) {
    LeFile lf;
    AddObjectsOfKinds(lf, kinds);
    lf.cur = cur;
    return lf;
}

void SessionTest::Start(std::initializer_list<int> kinds) {
    AddObjectsOfKinds(s.lf, kinds);
    s.utrack.Reset(s.lf);
}

}  // namespace vx::test
