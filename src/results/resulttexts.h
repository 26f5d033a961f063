#pragma once

// A caption shared by the German game-over screen and certificate.
inline const char *const backToStartDe = "Zurück zum Anfang";
