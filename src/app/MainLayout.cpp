#include "MainLayout.h"

namespace {
constexpr float kListOffset = 75;  // list's left and top offset in the client area
constexpr float kColumnGap = 75;   // between the list and the button column
constexpr float kRightRoom = 25;   // right of the button column
constexpr float kShuffleGap = 125; // between the list and the Shuffle button
constexpr float kBottomRoom = 75;  // below the Shuffle button
} // namespace

MainLayout layOutMainWindow(float clientWidth, float clientHeight, const TwipsRect& currentList, float buttonPanelWidth,
                            float shuffleHeight)
{
    MainLayout out{};
    const float width = clientWidth - (buttonPanelWidth + (kListOffset + kColumnGap + kRightRoom));
    const float height = clientHeight - (shuffleHeight + (kListOffset + kShuffleGap + kBottomRoom));
    out.list = (width < 0 || height < 0) ? currentList : TwipsRect{kListOffset, kListOffset, width, height};

    out.buttonPanelLeft = out.list.left + out.list.width + kColumnGap;
    out.buttonPanelTop = out.list.top;

    out.shuffleLeft = out.list.left;
    out.shuffleTop = out.list.top + out.list.height + kShuffleGap;
    out.shuffleWidth = out.list.width;
    return out;
}
