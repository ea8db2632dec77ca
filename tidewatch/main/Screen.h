#pragma once

// The screens of the game window; exactly one shows at a time.
enum class Screen {
    Login,
    About,
    GameType,
    Difficulty,
    Server,
    Client,
    Placement,
    Battle,
    GameOver,
};
