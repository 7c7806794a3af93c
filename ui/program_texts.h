#pragma once

// The inspector's own texts, as code-page-936 bytes; the characters stand beside each one.

// 翠微栈: the keyword that marks the watched window's title
inline constexpr char kWatchedTitleKeyword[] = "\xB4\xE4\xCE\xA2\xD5\xBB";
// 第六课-取句柄和窗口信息
inline constexpr char kMainWindowCaption[] =
    "\xB5\xDA\xC1\xF9\xBF\xCE-\xC8\xA1\xBE\xE4\xB1\xFA\xBA\xCD\xB4\xB0\xBF\xDA\xD0\xC5\xCF\xA2";
// 句柄
inline constexpr char kHandleLabel[] = "\xBE\xE4\xB1\xFA";
// 左边
inline constexpr char kLeftLabel[] = "\xD7\xF3\xB1\xDF";
// 右边
inline constexpr char kRightLabel[] = "\xD3\xD2\xB1\xDF";
// 顶边
inline constexpr char kTopLabel[] = "\xB6\xA5\xB1\xDF";
// 底边
inline constexpr char kBottomLabel[] = "\xB5\xD7\xB1\xDF";
