#include "support/ObjectKinds.h"

#include <gtest/gtest.h>

#include <vector>

#include "codecs/ImageWriters.h"

namespace vx::test {

void AddObjectsOfKinds(LeFile& lf, std::initializer_list<int> kinds, int w, int h) {
    for (const int kind : kinds) {
        auto o = std::make_unique<LogoObject>();
        o->type = kind;
        o->lt.str = "obj" + std::to_string(lf.objs);
        o->w = w;
        o->h = h;
        lf.AddObj(std::move(o));
    }
}

std::string WriteTestPng(const std::string& path, int w, int h, std::uint32_t rgb) {
    const std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, rgb);
    EXPECT_TRUE(WriteImageFile(path, ImageFormat::PNG24, WritePixels{px.data(), w, h}, 90));
    return path;
}

}  // namespace vx::test
