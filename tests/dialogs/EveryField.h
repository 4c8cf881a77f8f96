// An Options form with every field changed from its default and each distinct,
// so that two fields swapped or one forgotten show.
#pragma once

#include "dialogs/OptionsForm.h"

// clang-format off
inline const dialogs::OptionsForm kEveryFieldChanged{
    .sideMask = "*.a", .sideColour = 2, .lowerCaseTags = false, .FullCellTag = false, .KeepSelected = false,
    .closeTags = false,
    .preImage = "img/", .syntaxColour = 13, .name = "N", .address = "line 1\r\nline 2", .phone = "P", .fax = "F",
    .mail = "M", .url = "U", .stampAsComment = false, .preCustom = "pre", .custom = "post", .timeFormat = 2,
    .quickTable = "<t>\r\n</t>", .quickStyle = "<s>", .quickScript = "<x>", .microsoftBrowser = true,
    .browserPath = "/b", .tool1Path = "/t1", .tool1Name = "n1", .tool2Path = "/t2", .tool2Name = "n2",
    .tool3Path = "/t3", .tool3Name = "n3", .keySet = 1, .theme = 2, .liveColour = true};
// clang-format on
