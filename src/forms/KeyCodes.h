#pragma once
// The key codes that Form_KeyDown receives: those of the platform's key-down event.
namespace KeyCode {
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int F1 = 112;
}
