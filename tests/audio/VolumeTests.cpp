#include "audio/Volume.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace s::system::audio;

TEST(Volume, GainIsTheSquareOfTheVolume) {
    EXPECT_FLOAT_EQ(volumeGain(0.5f), 0.25f);
    EXPECT_FLOAT_EQ(volumeGain(1.5f), 2.25f);
    EXPECT_FLOAT_EQ(volumeGain(0.0f), 0.0f);
}

TEST(Volume, SixteenBitSamplesScaleTruncateAndClamp) {
    struct Case {
        std::int16_t sample;
        float gain;
        std::int16_t expected;
    };
    const Case cases[] = {
        {20000, 0.25f, 5000},    {-20001, 0.25f, -5000}, {7, 0.25f, 1},
        {-32768, 2.25f, -32768}, {20000, 2.25f, 32767},  {-20000, 2.25f, -32768},
        {1000, 2.25f, 2250},     {12345, 1.0f, 12345},   {-32768, 0.0f, 0},
    };
    for (const Case& c : cases) {
        std::int16_t sample = c.sample;
        applyGain16(&sample, 1, c.gain);
        EXPECT_EQ(sample, c.expected) << c.sample << " x " << c.gain;
    }
}

TEST(Volume, EightBitSamplesScaleAroundTheMiddleAndRound) {
    struct Case {
        std::uint8_t sample;
        float gain;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {200, 2.25f, 255}, {100, 2.25f, 65}, {200, 0.25f, 146}, {0, 2.25f, 0},
        {128, 2.25f, 128}, {255, 0.0f, 128}, {130, 0.25f, 129}, // 128.5 rounds away from zero
    };
    for (const Case& c : cases) {
        std::uint8_t sample = c.sample;
        applyGain8(&sample, 1, c.gain);
        EXPECT_EQ(sample, c.expected) << int(c.sample) << " x " << c.gain;
    }
}
