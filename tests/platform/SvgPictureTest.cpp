// The program's pictures: shapes land where their coordinates put them, in
// their colours, scaled from the view box; what is not a drawing gives none.
#include "platform/SvgPicture.h"

#include <gtest/gtest.h>

namespace {
QByteArray drawing(const char* body)
{
    return QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">)") + body +
           "</svg>";
}
QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
}  // namespace

TEST(SvgPicture, ShapesAreDrawnInTheirColoursAndScaledFromTheViewBox)
{
    const QByteArray svg = drawing(R"(
        <rect x="0" y="0" width="32" height="32" fill="#FF0000"/>
        <g fill="#00F">
          <circle cx="48" cy="16" r="10"/>
          <path d="M32 32 h32 v32 h-32 z" fill="#00FF00"/>
        </g>
        <polygon points="0,40 24,40 24,64 0,64" fill="#FFFF00"/>
        <line x1="0" y1="36" x2="64" y2="36" stroke="#000000" stroke-width="2"/>)");
    const QImage image = svgpicture::render(svg, QSize(128, 128));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(128, 128));
    EXPECT_EQ(at(image, 10, 10), QColor(255, 0, 0));
    EXPECT_EQ(at(image, 96, 32), QColor(0, 0, 255));  // inherited from the group
    EXPECT_EQ(at(image, 100, 100), QColor(0, 255, 0));
    EXPECT_EQ(at(image, 20, 110), QColor(255, 255, 0));
    EXPECT_EQ(at(image, 20, 72), QColor(0, 0, 0));
    EXPECT_EQ(at(image, 70, 10).alpha(), 0);  // nothing drawn there
}

TEST(SvgPicture, WhatIsNotADrawingGivesNoPicture)
{
    EXPECT_TRUE(svgpicture::render("<html/>", QSize(32, 32)).isNull());
    EXPECT_TRUE(svgpicture::render("<svg", QSize(32, 32)).isNull());
    EXPECT_TRUE(svgpicture::icon(QStringLiteral(":/no/such.svg")).isNull());
}
