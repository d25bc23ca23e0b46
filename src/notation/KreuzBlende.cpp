#include "notation/KreuzBlende.h"

#include "notation/FliessText.h"
#include "platform/Clock.h"

void KreuzBlende(Canvas& canvas, std::string& alt, std::string& akt, int64_t& timer,
                 const std::string& wanted, float x, float y, int width) {
    const int64_t now = Runtime::millisecs();
    if (akt != wanted && timer < now) {
        alt = akt;
        akt = wanted;
        timer = now + kBlendDauer;
    }
    canvas.setAlpha(1.0f);
    if (timer > now) {
        float a = static_cast<float>(timer - now) / kBlendDauer;
        canvas.setAlpha(a);
        FliessText(canvas, alt, x, y, width);
        canvas.setAlpha(1.0f - a);
    }
    FliessText(canvas, akt, x, y, width);
}
