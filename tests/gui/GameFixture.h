#pragma once
// The combine game's window under test.
#include "games/combine/CombineWindow.h"
#include "gui/GameWindowFixture.h"

class GameFixture : public GameWindowFixture<CombineWindow, 1> {
protected:
    void SetUp() override
    {
        GameWindowFixture::SetUp();
        dictionary.setTables({{QStringLiteral("時"), QStringLiteral("日土寸")}}, {});
    }
};
