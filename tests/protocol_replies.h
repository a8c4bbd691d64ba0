// The engine's fixed replies, byte for byte, for the tests that read its output.
#pragma once

#include <string>

inline const std::string UCI_REPLY =
    "id name Orlem_m2_4_Beta_21_03_2009\n"
    "id author Tolvardi Pelund\n"
    "option name Hash type spin default 1 min 1 max 1024\n"
    "uciok \n";
inline const std::string READY = "readyok \n\n";
inline const std::string UNKNOWN = "WARNING ! Unknown command\n";
