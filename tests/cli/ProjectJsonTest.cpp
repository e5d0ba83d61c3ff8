#include <gtest/gtest.h>

#include <bit>

#include "cli/ProjectJson.h"
#include "document/ProjectFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using nlohmann::json;

// Project bytes -> JSON text -> project bytes.
std::vector<std::uint8_t> ThroughJson(const LeFile& lf, std::uint32_t version) {
    const std::string text = ProjectToJson(lf, version).dump();
    LeFile back;
    std::uint32_t back_version = 99;
    const Result read = ProjectFromJson(json::parse(text), back, back_version);
    EXPECT_TRUE(read) << read.message();
    EXPECT_EQ(back_version, version);
    return EncodeProject(back, back_version);
}

class ProjectJsonTest : public test::RecordingTest {};

TEST_F(ProjectJsonTest, RoundTripGivesTheSameBytes) {
    LeFile lf = test::MakeVariedDocument(6);
    lf.obj[0]->lt.angle = 0.1f;
    lf.obj[1]->lt.bend = std::bit_cast<float>(0x7FC0BEEFu);
    lf.obj[2]->lt.aspect = -std::numeric_limits<float>::infinity();
    lf.obj[3]->lt.outline_opacity = std::numeric_limits<float>::denorm_min();
    lf.obj[4]->lt.shadow_opacity = std::numeric_limits<float>::max();
    lf.obj[5]->lt.str = std::string("\x80\x81\x8D\x8F\x90\x9D\xFF", 7);
    for (const std::uint32_t version : {0u, 1u, 2u})
        EXPECT_EQ(ThroughJson(lf, version), EncodeProject(lf, version)) << version;
}

TEST_F(ProjectJsonTest, FieldsUseTheirOwnNamesAndColoursAreTriples) {
    LeFile lf;
    lf.AddObj(std::make_unique<LogoObject>());
    const auto j = ProjectToJson(lf, 2);
    EXPECT_EQ(j["objects"][0]["lt"]["font"], "Accidental Presidency Regular");
    EXPECT_EQ(j["objects"][0]["lt"]["outline_color"], nlohmann::ordered_json::array({0, 0, 100}));
    EXPECT_EQ(j["objects"][0]["lt"]["aspect"], 1.0);
    EXPECT_EQ(j["cur"], 0);
}

TEST_F(ProjectJsonTest, MissingFieldsTakeTheirDefaults) {
    LeFile lf;
    std::uint32_t version = 0;
    ASSERT_TRUE(ProjectFromJson(json::parse(R"({"objects":[{"lt":{"str":"Hi"}}]})"), lf, version));
    ASSERT_EQ(lf.objs, 1);
    EXPECT_EQ(lf.obj[0]->lt.str, "Hi");
    EXPECT_EQ(lf.obj[0]->lt.size, 48);
    EXPECT_EQ(version, 2u);
}

TEST_F(ProjectJsonTest, InvalidDocumentsAreRefusedNamingTheField) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"cur":5,"objects":[{}]})", "cur:"},
        {R"({"version":3})", "version:"},
        {R"({"objects":[{"type":3}]})", "objects[0].type:"},
        {R"({"objects":[{"lt":{"size":2147483648}}]})", "objects[0].lt.size:"},
        {R"({"objects":[{"lt":{"size":1.5}}]})", "objects[0].lt.size:"},
        {R"({"objects":[{"lt":{"angle":1e39}}]})", "objects[0].lt.angle:"},
        {R"({"objects":[{"lt":{"str":"snow \u2603"}}]})", "objects[0].lt.str: character U+2603"},
        {R"({"objects":[{"lt":{"color":[1,2]}}]})", "objects[0].lt.color:"},
        {R"({"objects":[{"lt":{"sise":10}}]})", "objects[0].lt.sise: unknown field"},
        {R"({"bgcolour":[0,0,0]})", "bgcolour: unknown field"},
        {R"({"objects":{}})", "objects:"},
    };
    for (const auto& [text, prefix] : cases) {
        LeFile lf;
        std::uint32_t version = 0;
        const std::string error = ProjectFromJson(json::parse(text), lf, version).message();
        EXPECT_EQ(error.rfind(prefix, 0), 0u) << text << " gave: " << error;
        EXPECT_EQ(lf.objs, 0);
    }
    json many = {{"objects", json::array()}};
    for (int i = 0; i <= MAX_OBJS; ++i) many["objects"].push_back(json::object());
    LeFile lf;
    std::uint32_t version = 0;
    EXPECT_EQ(ProjectFromJson(many, lf, version).message().rfind("objects: 101 objects", 0), 0u);
}

}  // namespace
}  // namespace vx
