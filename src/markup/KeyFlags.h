// The two key-state flags of the tag commands, kept from the key presses in the
// editor: EndTagOnly (Shift alone held: the next tag command writes only its end
// tag) and SuppressTagPair (Ctrl+Shift held: the next tag pair is not written).
#pragma once

namespace markup {

struct KeyFlags {
    bool EndTagOnly = false;
    bool SuppressTagPair = false;
};

}  // namespace markup
