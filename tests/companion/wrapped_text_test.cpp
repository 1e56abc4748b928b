#include "companion/wrapped_text.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "companion/edit_history.h"
#include "companion/text_steps.h"

namespace orvik {
namespace {

// Every character 10 wide, a Chinese one 20; "~" is zero-width.
class FixedAdvances final : public CharAdvances {
protected:
    double Measure(std::u16string_view character) const override
    {
        if (character == u"~")
            return 0;
        return character[0] >= 0x2E80 ? 20 : 10;
    }
};

const FixedAdvances kAdvances;

// The shown lines, each as its text up to LineEnd.
std::vector<std::u16string> Lines(const WrappedText& text)
{
    std::vector<std::u16string> lines;
    for (std::size_t line = 0; line < text.LineCount(); ++line) {
        const std::size_t start = text.LineStart(line);
        lines.push_back(text.Text().substr(start, text.LineEnd(line) - start));
    }
    return lines;
}

std::vector<std::u16string> Wrap(const std::u16string& content, double width)
{
    WrappedText text(kAdvances);
    text.SetText(content);
    text.SetWidth(width);
    text.SetTabWidth(40);
    return Lines(text);
}

using Shown = std::vector<std::u16string>;

TEST(WrappedTextTest, LinesWrapAtTheLastBlankThatFitsOrAtTheWidth)
{
    const struct {
        const char* name;
        std::u16string text;
        double width;
        Shown lines;
    } cases[] = {
        {"empty text is one empty line", u"", 100, {u""}},
        {"LF ends a line; a last LF leaves an empty line", u"ab\n\ncd\n", 100, {u"ab", u"", u"cd", u""}},
        {"wrap after the last blank that fits", u"one two three", 95, {u"one two ", u"three"}},
        {"blanks that do not fit stay on the line", u"abcde     fg", 50, {u"abcde     ", u"fg"}},
        {"a word wider than the line breaks at the width", u"abcdefghijkl", 50, {u"abcde", u"fghij", u"kl"}},
        {"Chinese wraps at the width", u"中文中文中", 60, {u"中文中", u"文中"}},
        {"a surrogate pair is never split", u"a\U0001F600b", 20, {u"a", u"\U0001F600", u"b"}},
        {"a character wider than the line still moves on", u"abc", 5, {u"a", u"b", u"c"}},
        {"tabs stop every 40", u"a\tb\tcdefgh", 100, {u"a\tb\t", u"cdefgh"}},
        {"a line of zero-width characters is cut into long pieces", std::u16string(5000, u'~'), 100,
         {std::u16string(4096, u'~'), std::u16string(904, u'~')}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Wrap(c.text, c.width), c.lines) << c.name;
}

TEST(WrappedTextTest, CaretPlacesFollowTheDrawnCharacters)
{
    WrappedText text(kAdvances);
    text.SetText(u"ab\t中c\nxyz");
    text.SetWidth(1000);
    text.SetTabWidth(40);
    EXPECT_EQ(text.X(0, 2), 20);
    EXPECT_EQ(text.X(0, 3), 40);  // after the tab
    EXPECT_EQ(text.X(0, 4), 60);
    EXPECT_EQ(text.PositionAt(0, 44), 3u);
    EXPECT_EQ(text.PositionAt(0, 55), 4u);
    EXPECT_EQ(text.PositionAt(0, 900), 5u);  // before the LF
    EXPECT_EQ(text.LineOf(5), 0u);
    EXPECT_EQ(text.LineOf(6), 1u);
    std::vector<std::pair<std::u16string, double>> runs;
    text.ForEachRun(0, [&](std::size_t begin, std::size_t end, double x) {
        runs.emplace_back(text.Text().substr(begin, end - begin), x);
    });
    EXPECT_EQ(runs, (std::vector<std::pair<std::u16string, double>>{{u"ab", 0}, {u"中c", 40}}));
}

// Edits rewrap only the lines they touch; the result must be what wrapping
// the whole text again gives.
TEST(WrappedTextTest, AnEditCanChangeTheLineTwoBeforeIt)
{
    WrappedText text(kAdvances);
    text.SetText(u" abcd中x");
    text.SetWidth(50);
    ASSERT_EQ(Lines(text), (Shown{u" ", u"abcd", u"中x"}));
    text.Replace(5, 6, u" ");  // the blank no longer fits the first line and stays on it
    EXPECT_EQ(Lines(text), (Shown{u" abcd ", u"x"}));
}

// Also where an edit leaves the lines beyond a short stretch to WrapMore:
// edits before and among those lines, and the lines once caught up.
TEST(WrappedTextTest, EditsWrapAsTheWholeTextWould)
{
    const std::u16string pieces[] = {u"", u"a", u" ", u"\n", u"word ", u"中文", u"\n\n", u"long line of text ", u"\t", u"   "};
    for (const std::size_t stretch : {WrappedText::kEditRewrapUnits, std::size_t{3}}) {
        for (const double width : {35.0, 70.0}) {
            std::mt19937 random(7);
            WrappedText text(kAdvances, stretch);
            text.SetText(u"start of the text\nsecond line");
            text.SetWidth(width);
            text.SetTabWidth(40);
            for (int step = 0; step < 2000; ++step) {
                const std::size_t size = text.Size();
                const std::size_t from = random() % (size + 1);
                const std::size_t to = std::min(size, from + random() % 12);
                ASSERT_TRUE(text.Replace(from, to, pieces[random() % std::size(pieces)]));
                if (random() % 4 != 0)
                    continue;
                while (!text.WrapMore(5)) {
                }
                ASSERT_EQ(Lines(text), Wrap(text.Text(), width)) << width << ' ' << stretch << ' ' << step;
            }
        }
    }
}

// Typing at the start of one long line moves every wrap after it: the
// edit rewraps a stretch, the rest follows in pieces.
TEST(WrappedTextTest, AnEditThatMovesEveryWrapLeavesTheRestToWrapMore)
{
    WrappedText text(kAdvances, 100);
    text.SetText(std::u16string(10000, u'x'));
    text.SetWidth(95);
    ASSERT_EQ(text.LineCount(), 1112u);
    text.Replace(0, 0, u"ab");
    EXPECT_FALSE(text.Settled());
    EXPECT_EQ(text.LineStart(1), 9u);
    EXPECT_EQ(text.LineEnd(text.LineCount() - 1), text.Size());  // the lines beyond moved along
    int pieces = 1;
    while (!text.WrapMore(1000))
        ++pieces;
    EXPECT_GE(pieces, 9);  // about a thousand units each
    EXPECT_LE(pieces, 11);
    EXPECT_EQ(Lines(text), Wrap(text.Text(), 95));
}

TEST(WrappedTextTest, TooLongATextIsRefused)
{
    WrappedText text(kAdvances);
    EXPECT_FALSE(text.SetText(std::u16string(WrappedText::kMaxLength + 1, u'x')));
    ASSERT_TRUE(text.SetText(std::u16string(WrappedText::kMaxLength, u'x')));
    EXPECT_FALSE(text.Replace(0, 0, u"y"));
    EXPECT_TRUE(text.Replace(0, 1, u"y"));
    EXPECT_EQ(text.Size(), WrappedText::kMaxLength);
}

TEST(TextStepsTest, CharactersAndWords)
{
    const std::u16string text = u"ab  c\U0001F600d\nef";
    EXPECT_EQ(NextCharacter(text, 5), 7u);
    EXPECT_EQ(PreviousCharacter(text, 7), 5u);
    EXPECT_EQ(NextWord(text, 0), 4u);
    EXPECT_EQ(NextWord(text, 4), 9u);  // over the line end
    EXPECT_EQ(PreviousWord(text, 9), 4u);
    EXPECT_EQ(PreviousWord(text, 3), 0u);
    EXPECT_EQ(WordAround(text, 5), (std::pair<std::size_t, std::size_t>{4, 8}));
    EXPECT_EQ(WordAround(text, 2), (std::pair<std::size_t, std::size_t>{2, 4}));
}

TEST(EditHistoryTest, TypingIsUndoneTogetherOtherEditsOneByOne)
{
    EditHistory history;
    history.Record({0, u"", u"a"}, true);
    history.Record({1, u"", u"b"}, true);
    history.Record({2, u"", u"x"}, false);  // pasted
    history.Record({3, u"", u"c"}, true);
    history.Record({5, u"", u"d"}, true);  // typed elsewhere
    const auto inserted = [&] { return history.TakeLast().value().inserted; };
    EXPECT_EQ(inserted(), u"d");
    EXPECT_EQ(inserted(), u"c");
    EXPECT_EQ(inserted(), u"x");
    EXPECT_EQ(inserted(), u"ab");
    EXPECT_FALSE(history.TakeLast());
}

}  // namespace
}  // namespace orvik
