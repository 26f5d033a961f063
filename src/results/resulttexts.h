#pragma once

// Captions used on more than one results screen.
inline const char *const backToStartDe = "Zurück zum Anfang";
inline const char *const certificateDe = "Urkunde";
