#include <gtest/gtest.h>

#include "document/UndoTrack.h"
#include "session/EditMenu.h"
#include "support/ObjectKinds.h"

namespace vx {
namespace {

// The flags in a fixed order, one character each, so a table row reads as a line.
std::string Flags(const EditMenuState& s) {
    std::string out;
    for (const bool f : {s.remove, s.duplicate, s.closer, s.farther, s.next, s.prev,
                         s.current_object, s.property_buttons, s.solid_color, s.grad_colors,
                         s.outline_color, s.shadow_color, s.background_color, s.add})
        out += f ? '1' : '0';
    return out;
}

struct EnablingCase {
    const char* name;
    std::initializer_list<int> kinds;
    int cur;
    // remove dup closer farther next prev curobj props solid grad outline shadow bg add
    const char* flags;
    const char* first_caption;  // nullptr: captions left as they were
};

const EnablingCase CASES[] = {
    {"empty", {}, -1, "00000000000001", "Text..."},
    {"one text", {TEXT_OBJECT}, 0, "11000011100011", "Text..."},
    {"front of three", {TEXT_OBJECT, SHAPE_OBJECT, TEXT_OBJECT}, 2, "11011011100011", "Text..."},
    {"back of three", {SHAPE_OBJECT, TEXT_OBJECT, TEXT_OBJECT}, 0, "11100111100011", "Image..."},
    {"custom bitmap", {TEXT_OBJECT, BITMAP_OBJECT}, 1, "11011010000011", nullptr},
    // After loading a file whose current index is -1: objects but no current one.
    {"none current", {TEXT_OBJECT, TEXT_OBJECT}, -1, "00001110000011", "Text..."},
};

TEST(EditMenuTest, EnablingFollowsTheDocument) {
    for (const EnablingCase& c : CASES) {
        LeFile lf;
        test::AddObjectsOfKinds(lf, c.kinds);
        lf.cur = c.cur;
        const EditMenuState s = ComputeEditMenu(lf, UndoTrack{});
        EXPECT_EQ(Flags(s), c.flags) << c.name;
        ASSERT_EQ(s.captions.has_value(), c.first_caption != nullptr) << c.name;
        if (c.first_caption) {
            EXPECT_EQ((*s.captions)[0], c.first_caption) << c.name;
        }
    }
}

TEST(EditMenuTest, ColourItemsFollowTheObjectsEffects) {
    LeFile lf;
    test::AddObjectsOfKinds(lf, {SHAPE_OBJECT});
    LogoParams& lt = lf.obj[0]->lt;
    lt.grad = lt.has_outline = lt.has_shadow = 1;
    const EditMenuState s = ComputeEditMenu(lf, UndoTrack{});
    EXPECT_FALSE(s.solid_color);
    EXPECT_TRUE(s.grad_colors && s.outline_color && s.shadow_color);
    EXPECT_EQ((*s.captions)[1], "Shape...");
}

TEST(EditMenuTest, UndoRedoFollowTheCountersAndAFullDocumentAddsNothing) {
    LeFile lf;
    UndoTrack track;
    track.undoes = 3;
    EXPECT_TRUE(ComputeEditMenu(lf, track).undo);
    EXPECT_FALSE(ComputeEditMenu(lf, track).redo);
    track.redoes = 1;
    EXPECT_TRUE(ComputeEditMenu(lf, track).redo);

    for (int n = 0; n < MAX_OBJS; ++n) test::AddObjectsOfKinds(lf, {TEXT_OBJECT});
    const EditMenuState full = ComputeEditMenu(lf, track);
    EXPECT_FALSE(full.add);
    EXPECT_FALSE(full.duplicate);
    EXPECT_TRUE(full.remove);
}

}  // namespace
}  // namespace vx
