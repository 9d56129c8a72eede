#include "bars/menu_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Writes a standard menu template the way the resource compiler lays it out.
class TemplateWriter {
public:
    explicit TemplateWriter(uint16_t version = 0, uint16_t offset = 0) {
        Word(version);
        Word(offset);
        for (uint16_t i = 0; i < offset; ++i) bytes.push_back(0xEE);
    }
    TemplateWriter& Popup(const std::u16string& text, bool last = false) {
        Word(static_cast<uint16_t>(0x10 | (last ? 0x80 : 0)));
        return Text(text);
    }
    TemplateWriter& Item(uint16_t flags, uint16_t id, const std::u16string& text, bool last = false) {
        Word(static_cast<uint16_t>(flags | (last ? 0x80 : 0)));
        Word(id);
        return Text(text);
    }
    TemplateWriter& Text(const std::u16string& text) {
        for (char16_t ch : text) Word(ch);
        Word(0);
        return *this;
    }
    void Word(uint16_t w) {
        bytes.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    std::vector<uint8_t> bytes;
};

TEST(MenuTemplate, ReadsNestedLevelsAndWhereEachEnds) {
    TemplateWriter w;
    w.Popup(u"&File")
        .Item(0, 101, u"&Open\tCtrl+O")
        .Item(0, 0, u"")
        .Popup(u"Recent", true)
        .Item(1, 110, u"None", true)  // closes Recent and, with it, File
        .Popup(u"&Help", true)
        .Item(8, 120, u"&About", true);  // closes Help and the bar
    w.bytes.insert(w.bytes.end(), {1, 2, 3});  // trailing bytes are ignored
    std::vector<KX_MENU_TEMPLATE_ITEM> items;
    ASSERT_TRUE(KXParseMenuTemplate(w.bytes.data(), w.bytes.size(), items));
    ASSERT_EQ(7u, items.size());
    struct Expect { UINT flags, id; int depth, closed; const wchar_t* text; };
    const Expect expect[] = {
        {0x10, 0, 0, 0, L"&File"}, {0, 101, 1, 0, L"&Open\tCtrl+O"}, {0, 0, 1, 0, L""},
        {0x10, 0, 1, 0, L"Recent"}, {1, 110, 2, 2, L"None"}, {0x10, 0, 0, 0, L"&Help"},
        {8, 120, 1, 2, L"&About"},
    };
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(expect[i].flags, items[i].nFlags) << i;
        EXPECT_EQ(expect[i].id, items[i].nID) << i;
        EXPECT_EQ(expect[i].depth, items[i].nDepth) << i;
        EXPECT_EQ(expect[i].closed, items[i].nLevelsClosed) << i;
        EXPECT_EQ(std::wstring(expect[i].text), items[i].strText) << i;
    }

    // The header's offset skips extra header bytes.
    TemplateWriter skip(0, 4);
    skip.Item(0, 7, u"Only", true);
    ASSERT_TRUE(KXParseMenuTemplate(skip.bytes.data(), skip.bytes.size(), items));
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(1, items[0].nLevelsClosed);
}

TEST(MenuTemplate, MalformedTemplatesFailWithNothing) {
    std::vector<KX_MENU_TEMPLATE_ITEM> items;
    TemplateWriter whole;
    whole.Popup(u"A", true).Item(0, 1, u"x", true);
    ASSERT_TRUE(KXParseMenuTemplate(whole.bytes.data(), whole.bytes.size(), items));
    // Every cut of a whole template is rejected: a text without its end, an
    // item without its identifier, a level that never ends.
    for (size_t n = 0; n < whole.bytes.size(); ++n) {
        EXPECT_FALSE(KXParseMenuTemplate(whole.bytes.data(), n, items)) << n;
        EXPECT_TRUE(items.empty());
    }
    EXPECT_FALSE(KXParseMenuTemplate(nullptr, 100, items));

    TemplateWriter extended(1, 4);  // the extended layout is another format
    extended.Item(0, 1, u"x", true);
    EXPECT_FALSE(KXParseMenuTemplate(extended.bytes.data(), extended.bytes.size(), items));

    TemplateWriter pastEnd(0, 60000);  // header offset beyond the data
    pastEnd.bytes.resize(8);
    EXPECT_FALSE(KXParseMenuTemplate(pastEnd.bytes.data(), pastEnd.bytes.size(), items));

    TemplateWriter deep;  // popups nested past the limit
    for (int i = 0; i < KX_MENU_TEMPLATE_MAX_DEPTH; ++i) deep.Popup(u"p", true);
    deep.Item(0, 1, u"x", true);
    EXPECT_FALSE(KXParseMenuTemplate(deep.bytes.data(), deep.bytes.size(), items));
    EXPECT_TRUE(items.empty());
}

}  // namespace
