#include "../course/CourseFixture.h"

#include "pronunciation/media/MediaRules.h"

namespace {

TEST(MediaRules, KindsComeFromExactLowerCaseExtensions)
{
    const std::tuple<const char*, int> cases[] = {
        {"a.mpg", MediaRules::Film}, {"a.wav", MediaRules::Sound}, {"a.swf", MediaRules::Animation},
        {"a.mp3", MediaRules::Mp3},  {"a.WAV", 7},                 {"a.ogg", 7},
    };
    for (const auto& [file, kind] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(MediaRules::KindOf(QString::fromLatin1(file), 7), kind);
    }
    EXPECT_EQ(MediaRules::LayoutOf(MediaRules::Film).Client, QSize(360, 363));
    EXPECT_EQ(MediaRules::LayoutOf(MediaRules::Mp3).Client, QSize(360, 74));
    EXPECT_EQ(MediaRules::LayoutOf(MediaRules::Sound).Bar, QPoint(118, 44));
}

TEST(MediaRules, FallbacksTryTheOtherFormOnlyWhenTheFileIsMissing)
{
    ProgramFolder folder;
    for (const char* name : {"both.wav", "both.mp3", "only.mp3", "only2.wav", "film.mpg"})
        folder.Write(QString::fromLatin1(name), "x");
    const std::tuple<const char*, const char*> cases[] = {
        {"both.wav", "both.wav"}, {"only.wav", "only.mp3"}, {"only2.mp3", "only2.wav"},
        {"none.wav", "none.wav"}, {"film.swf", "film.mpg"},  {"none.swf", "none.mpg"},
    };
    for (const auto& [asked, played] : cases) {
        SCOPED_TRACE(asked);
        EXPECT_EQ(MediaRules::AfterFallbacks(folder.Path() + u'/' + QString::fromLatin1(asked)),
                  folder.Path() + u'/' + QString::fromLatin1(played));
    }
}

TEST(MediaRules, SeekBarArithmetic)
{
    const int bar = 118, knob = 6, range = MediaRules::TrackWidth - knob;
    EXPECT_EQ(MediaRules::KnobLeft(bar, knob, 0, 1000), bar);
    EXPECT_EQ(MediaRules::KnobLeft(bar, knob, 1000, 1000), bar + range);
    EXPECT_EQ(MediaRules::KnobLeft(bar, knob, 500, 1000), bar + range / 2);
    EXPECT_EQ(MediaRules::KnobLeft(bar, knob, 300, 0), bar) << "no length yet";
    EXPECT_EQ(MediaRules::PositionOfKnob(2000, bar + range, bar, knob), 2000) << "the far right is the full length";
    EXPECT_EQ(MediaRules::PositionOfKnob(2000, bar - 3, bar, knob), 0) << "never before the start";
    EXPECT_EQ(MediaRules::ClampKnob(bar - 50, bar, knob), bar - 3);
    EXPECT_EQ(MediaRules::ClampKnob(bar + 500, bar, knob), bar + range);
    EXPECT_EQ(MediaRules::PositionOfPress(MediaRules::TrackWidth, 1000), 1000);
    EXPECT_EQ(MediaRules::FilledWidth(bar + 10, bar), 13);
}

} // namespace
