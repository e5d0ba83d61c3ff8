#include <gmock/gmock.h>

#include <bit>

#include "cli/ProjectJson.h"
#include "document/ProjectFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using nlohmann::json;

class ProjectJsonTest : public test::RecordingTest {
protected:
    Result Read(const json& j) { return ProjectFromJson(j, lf, version); }

    LeFile lf;
    std::uint32_t version = 99;
};

TEST_F(ProjectJsonTest, RoundTripThroughTextGivesTheSameBytes) {
    LeFile varied = test::MakeVariedDocument(6);
    varied.obj[0]->lt.angle = 0.1f;
    varied.obj[1]->lt.bend = std::bit_cast<float>(0x7FC0BEEFu);
    varied.obj[2]->lt.aspect = -std::numeric_limits<float>::infinity();
    varied.obj[3]->lt.outline_opacity = std::numeric_limits<float>::denorm_min();
    varied.obj[4]->lt.shadow_opacity = std::numeric_limits<float>::max();
    varied.obj[5]->lt.str = std::string("\x80\x81\x8D\x8F\x90\x9D\xFF", 7);
    for (const std::uint32_t v : {0u, 1u, 2u}) {
        const Result read = Read(json::parse(ProjectToJson(varied, v).dump()));
        ASSERT_TRUE(read) << read.message();
        EXPECT_EQ(version, v);
        EXPECT_EQ(EncodeProject(lf, version), EncodeProject(varied, v)) << v;
    }
}

// Read, a field left out takes its default; written, every field has its own
// name and colours are triples.
TEST_F(ProjectJsonTest, MissingFieldsTakeTheirDefaultsAndFieldsKeepTheirNames) {
    ASSERT_TRUE(Read(json::parse(R"({"objects":[{"lt":{"str":"Hi"}}]})")));
    EXPECT_EQ(version, 2u);
    ASSERT_EQ(lf.objs, 1);
    const auto j = ProjectToJson(lf, version);
    EXPECT_EQ(j["cur"], -1);
    EXPECT_EQ(j["objects"][0]["lt"]["str"], "Hi");
    EXPECT_EQ(j["objects"][0]["lt"]["size"], 48);
    EXPECT_EQ(j["objects"][0]["lt"]["font"], "Accidental Presidency Regular");
    EXPECT_EQ(j["objects"][0]["lt"]["outline_color"], nlohmann::ordered_json::array({0, 0, 100}));
    EXPECT_EQ(j["objects"][0]["lt"]["aspect"], 1.0);
}

TEST_F(ProjectJsonTest, InvalidDocumentsAreRefusedNamingTheField) {
    json many = {{"objects", json::array()}};
    for (int i = 0; i <= MAX_OBJS; ++i) many["objects"].push_back(json::object());
    const std::pair<json, const char*> cases[] = {
        {json::parse(R"({"cur":5,"objects":[{}]})"), "cur:"},
        {json::parse(R"({"version":3})"), "version:"},
        {json::parse(R"({"objects":[{"type":3}]})"), "objects[0].type:"},
        {json::parse(R"({"objects":[{"lt":{"size":2147483648}}]})"), "objects[0].lt.size:"},
        {json::parse(R"({"objects":[{"lt":{"size":1.5}}]})"), "objects[0].lt.size:"},
        {json::parse(R"({"objects":[{"lt":{"angle":1e39}}]})"), "objects[0].lt.angle:"},
        {json::parse(R"({"objects":[{"lt":{"str":"snow \u2603"}}]})"),
         "objects[0].lt.str: character U+2603"},
        {json::parse(R"({"objects":[{"lt":{"color":[1,2]}}]})"), "objects[0].lt.color:"},
        {json::parse(R"({"objects":[{"lt":{"sise":10}}]})"), "objects[0].lt.sise: unknown field"},
        {json::parse(R"({"bgcolour":[0,0,0]})"), "bgcolour: unknown field"},
        {json::parse(R"({"objects":{}})"), "objects:"},
        {many, "objects: 101 objects"},
    };
    for (const auto& [j, prefix] : cases) {
        const std::string error = Read(j).message();
        EXPECT_THAT(error, testing::StartsWith(prefix)) << j;
        EXPECT_EQ(lf.objs, 0);
    }
}

}  // namespace
}  // namespace vx
