#pragma once
// Text on 32-bit surfaces blends eight pixels per step where the processor has AVX2 and four
// otherwise. Both must give the same bytes; forcing the narrow steps lets tests compare them.
namespace platform {

void force_narrow_text_blend(bool narrow);

}  // namespace platform
