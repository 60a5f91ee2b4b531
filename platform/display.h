// The code page in which captions and messages are shown: 936 for texts
// shown as stored (GBK), 950 when they were converted to BIG5.
#pragma once

#include <string>

inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageBig5 = 950;

void setDisplayCodePage(int codePage);
int displayCodePage();

// The texts the program converted for display. With the traditional script
// chosen, those are BIG5 bytes while every other caption (the templates' own,
// names read from data files) is still GBK; a view asks codePageOf to show
// each text in the code page it was made in.
void rememberDisplayText(const std::string& text);
int codePageOf(const std::string& text);
