// The Edit menu's enabling and the Window menu's entries, both computed from
// the document.

#include <gtest/gtest.h>

#include "document/UndoTrack.h"
#include "session/CommandIds.h"
#include "session/EditMenu.h"
#include "session/WindowMenu.h"
#include "support/SessionFixture.h"

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
    bool effects;  // gradient, outline and shadow on the current object
    // remove dup closer farther next prev curobj props solid grad outline shadow bg add
    const char* flags;
    const char* captions;  // the first two; nullptr: captions left as they were
};

constexpr int T = TEXT_OBJECT, S = SHAPE_OBJECT, B = BITMAP_OBJECT;

const EnablingCase CASES[] = {
    {"empty", {}, -1, false, "00000000000001", "Text... Effects..."},
    {"one text", {T}, 0, false, "11000011100011", "Text... Effects..."},
    {"front of three", {T, S, T}, 2, false, "11011011100011", "Text... Effects..."},
    {"back of three", {S, T, T}, 0, false, "11100111100011", "Image... Shape..."},
    {"shape with effects", {S}, 0, true, "11000011011111", "Image... Shape..."},
    {"custom bitmap", {T, B}, 1, false, "11011010000011", nullptr},
    // After loading a file whose current index is -1: objects but no current one.
    {"none current", {T, T}, -1, false, "00001110000011", "Text... Effects..."},
};

TEST(EditMenuTest, EnablingFollowsTheDocument) {
    for (const EnablingCase& c : CASES) {
        LeFile lf = test::DocumentOfKinds(c.kinds, c.cur);
        if (c.effects) {
            LogoParams& lt = lf.obj[lf.cur]->lt;
            lt.grad = lt.has_outline = lt.has_shadow = 1;
        }
        const EditMenuState s = ComputeEditMenu(lf, UndoTrack{});
        EXPECT_EQ(Flags(s), c.flags) << c.name;
        EXPECT_FALSE(s.undo || s.redo) << c.name;
        ASSERT_EQ(s.captions.has_value(), c.captions != nullptr) << c.name;
        if (c.captions) {
            EXPECT_EQ((*s.captions)[0] + " " + (*s.captions)[1], c.captions) << c.name;
        }
    }
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

// Each entry's id names its object and property: they decode back.
TEST(WindowMenuTest, GroupsPerObjectInListOrderBitmapsLeftOut) {
    const LeFile lf = test::DocumentOfKinds({TEXT_OBJECT, BITMAP_OBJECT, SHAPE_OBJECT}, 2);
    std::string menu;  // one "id text" line per entry
    for (const WindowMenuEntry& e : BuildWindowMenu(lf))
        menu += std::to_string(e.id) + " " + e.text + "\n";
    EXPECT_EQ(menu,
              "40000 Text: obj0\n"
              "40001 Effects: obj0\n"
              "40002 Gradient: obj0\n"
              "40003 Transform: obj0\n"
              "0 \n"
              "40020 Image: obj2\n"
              "40021 Shape: obj2\n"
              "40022 Effects: obj2\n"
              "40023 Gradient: obj2\n"
              "0 \n"
              "32777 Logo &Image...\n");  // ID_WINDOW_LOGOIMAGE
    const auto cmd = DecodeWindowCommand(40023, lf);
    ASSERT_TRUE(cmd);
    EXPECT_EQ(std::pair(cmd->nobj, cmd->k), std::pair(2, 3));
    EXPECT_FALSE(DecodeWindowCommand(ID_WINDOW_LOGOIMAGE, lf));
}

TEST(WindowMenuTest, EntriesOf31CharactersOrMoreAreCut) {
    LeFile lf = test::DocumentOfKinds({TEXT_OBJECT}, 0);
    for (const auto& [str, text] :
         {std::pair{std::string(24, 'a'), "Text: " + std::string(24, 'a')},
          {std::string(25, 'a'), "Text: " + std::string(20, 'a') + " ..."}}) {
        lf.obj[0]->lt.str = str;
        EXPECT_EQ(BuildWindowMenu(lf)[0].text, text) << str.size();
    }
}

}  // namespace
}  // namespace vx
