// The code page in which captions and messages are shown: 936 for texts
// shown as stored (GBK), 950 when they were converted to BIG5.
#pragma once

inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageBig5 = 950;

void setDisplayCodePage(int codePage);
int displayCodePage();
