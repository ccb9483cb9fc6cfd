// Module string tables and images within one process.

#include <gtest/gtest.h>

#include "platform/module/moduleres.h"

namespace {

std::string PngHeader(uint32_t w, uint32_t h) {
    std::string b("\x89PNG\r\n\x1a\n", 8);
    b += std::string("\0\0\0\x0dIHDR", 8);
    for (uint32_t v : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8)
            b += static_cast<char>((v >> shift) & 0xFF);
    b += std::string("\x08\x06\0\0\0", 5);
    return b;
}

tb::ModuleImage Rgba(int size) {
    tb::ModuleImage image;
    image.nWidth = size;
    image.nHeight = size;
    image.eFormat = tb::ImageFormat::Rgba;
    image.bytes.assign(size_t(size) * size * 4, 'x');
    return image;
}

TEST(ModuleResources, StringsAreFoundThroughTheirModuleOnly) {
    const tb::ModuleString strings[] = {{1, "Java Applet"}, {2, "Brisko 2.0"}};
    tb::CModuleResources first("first", strings);
    HINSTANCE second = tb::RegisterModuleResources("second");
    ASSERT_GT(first.handle(), 0);
    ASSERT_NE(first.handle(), second);
    EXPECT_EQ(tb::LoadStringFromModule(first.handle(), 2), "Brisko 2.0");
    std::string text = "stale";
    EXPECT_FALSE(tb::LoadStringFromModule(second, 2, &text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(tb::LoadStringFromModule(0, 1, &text));
    tb::UnregisterModuleResources(second);
    EXPECT_FALSE(tb::AddModuleString(second, 1, "late"));
}

TEST(ModuleResources, HandlesAreNotReusedAfterUnregistering) {
    HINSTANCE a = tb::RegisterModuleResources("a");
    tb::AddModuleString(a, 5, "five");
    tb::UnregisterModuleResources(a);
    HINSTANCE b = tb::RegisterModuleResources("b");
    EXPECT_NE(a, b);
    EXPECT_EQ(tb::LoadStringFromModule(a, 5), "");
    tb::UnregisterModuleResources(b);
}

TEST(ModuleResources, IconOfTheBestFittingSize) {
    HINSTANCE h = tb::RegisterModuleResources("icons");
    ASSERT_TRUE(tb::AddModuleImage(h, 4000, Rgba(32)));
    ASSERT_TRUE(tb::AddModuleImage(h, 4000, Rgba(16)));
    ASSERT_TRUE(tb::AddModuleImage(h, 4000, Rgba(48)));
    tb::ModuleImage image;
    ASSERT_TRUE(tb::LoadIconFromModule(h, 4000, 16, &image));
    EXPECT_EQ(image.nWidth, 16);
    ASSERT_TRUE(tb::LoadIconFromModule(h, 4000, 20, &image));
    EXPECT_EQ(image.nWidth, 32) << "the smallest larger image";
    ASSERT_TRUE(tb::LoadIconFromModule(h, 4000, 64, &image));
    EXPECT_EQ(image.nWidth, 48) << "the largest when none is large enough";
    EXPECT_EQ(image.bytes.size(), 48u * 48u * 4u);
    EXPECT_FALSE(tb::LoadIconFromModule(h, 4001, 16, &image));
    tb::UnregisterModuleResources(h);
}

TEST(ModuleResources, PngSizeComesFromItsHeaderAndMalformedImagesAreRefused) {
    HINSTANCE h = tb::RegisterModuleResources("png");
    tb::ModuleImage png;
    png.eFormat = tb::ImageFormat::Png;
    png.bytes = PngHeader(24, 20);
    ASSERT_TRUE(tb::AddModuleImage(h, 1, png));
    tb::ModuleImage out;
    ASSERT_TRUE(tb::LoadIconFromModule(h, 1, 24, &out));
    EXPECT_EQ(out.nWidth, 24);
    EXPECT_EQ(out.nHeight, 20);
    EXPECT_EQ(out.bytes, png.bytes);

    png.bytes = PngHeader(24, 20).substr(0, 20);
    EXPECT_FALSE(tb::AddModuleImage(h, 2, png));
    png.bytes = PngHeader(0, 20);
    EXPECT_FALSE(tb::AddModuleImage(h, 2, png));
    tb::ModuleImage rgba = Rgba(4);
    rgba.bytes.pop_back();
    EXPECT_FALSE(tb::AddModuleImage(h, 2, rgba));
    EXPECT_FALSE(tb::LoadIconFromModule(h, 2, 16, &out));
    tb::UnregisterModuleResources(h);
}

std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

TEST(ModuleResources, IconFilesSplitIntoOneImagePerSize) {
    // An icon file with a 16x16 bitmap image (fake payload) and a 32x32 PNG image.
    std::string bmp(40, 'b');
    std::string png = PngHeader(32, 32);
    std::string ico = Le(0, 2) + Le(1, 2) + Le(2, 2);
    size_t offset = 6 + 32;
    ico += std::string("\x10\x10\0\0", 4) + Le(1, 2) + Le(32, 2) + Le(uint32_t(bmp.size()), 4) +
           Le(uint32_t(offset), 4);
    ico += std::string("\x20\x20\0\0", 4) + Le(1, 2) + Le(32, 2) + Le(uint32_t(png.size()), 4) +
           Le(uint32_t(offset + bmp.size()), 4);
    ico += bmp + png;

    HINSTANCE h = tb::RegisterModuleResources("ico");
    tb::ModuleImage image;
    image.eFormat = tb::ImageFormat::Ico;
    image.bytes = ico;
    ASSERT_TRUE(tb::AddModuleImage(h, 4000, image));
    tb::ModuleImage out;
    ASSERT_TRUE(tb::LoadIconFromModule(h, 4000, 16, &out));
    EXPECT_EQ(out.eFormat, tb::ImageFormat::Ico);
    EXPECT_EQ(out.nWidth, 16);
    EXPECT_EQ(out.bytes.size(), 6u + 16u + bmp.size());
    EXPECT_EQ(out.bytes.substr(22), bmp);
    ASSERT_TRUE(tb::LoadIconFromModule(h, 4000, 32, &out));
    EXPECT_EQ(out.eFormat, tb::ImageFormat::Png);
    EXPECT_EQ(out.bytes, png);

    // A directory entry pointing past the end refuses the whole file.
    image.bytes = ico.substr(0, ico.size() - 5);
    EXPECT_FALSE(tb::AddModuleImage(h, 4001, image));
    EXPECT_FALSE(tb::LoadIconFromModule(h, 4001, 16, &out));
    tb::UnregisterModuleResources(h);
}

TEST(ModuleResources, CurrentResourceModuleIsProcessWide) {
    HINSTANCE h = tb::RegisterModuleResources("current");
    HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(h);
    EXPECT_EQ(AfxGetResourceHandle(), h);
    AfxSetResourceHandle(before);
    tb::UnregisterModuleResources(h);
}

} // namespace
