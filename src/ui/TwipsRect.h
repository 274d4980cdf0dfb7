#pragma once

// Forms are designed in twips (1/1440 inch), single precision.
struct TwipsRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// One logical pixel is 15 twips (96 pixels to the inch).
constexpr float kTwipsPerPixel = 15.0f;
