#include "untouchedfields.h"

#include "settings/recordcodec.h"

#include <cstring>
#include <type_traits>

namespace {

template <typename Record>
Record keepUntouched(const Record &loaded, const Record &shown, const Record &edited,
                     const QList<RecordFieldSpan> &spans)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    unsigned char out[sizeof(Record)];
    unsigned char loadedBytes[sizeof(Record)];
    unsigned char shownBytes[sizeof(Record)];
    std::memcpy(out, &edited, sizeof out);
    std::memcpy(loadedBytes, &loaded, sizeof loadedBytes);
    std::memcpy(shownBytes, &shown, sizeof shownBytes);
    // Whole fields, never single bytes: a 16-bit value edited in its low
    // byte only must not get the loaded high byte back.
    for (const RecordFieldSpan &span : spans)
        if (std::memcmp(out + span.offset, shownBytes + span.offset, size_t(span.size)) == 0)
            std::memcpy(out + span.offset, loadedBytes + span.offset, size_t(span.size));
    Record result;
    std::memcpy(&result, out, sizeof result);
    return result;
}

}  // namespace

EffectSettingsTypeDef keepUntouchedFields(const EffectSettingsTypeDef &loaded,
                                          const EffectSettingsTypeDef &shown,
                                          const EffectSettingsTypeDef &edited)
{
    return keepUntouched(loaded, shown, edited, effectSettingsFieldSpans());
}

HardwareSettingsTypeDef keepUntouchedFields(const HardwareSettingsTypeDef &loaded,
                                            const HardwareSettingsTypeDef &shown,
                                            const HardwareSettingsTypeDef &edited)
{
    return keepUntouched(loaded, shown, edited, hardwareSettingsFieldSpans());
}

EffectSettingsTypeDef withValueFieldsOf(const EffectSettingsTypeDef &base,
                                        const EffectSettingsTypeDef &values)
{
    // With `shown` equal to `base`, every field counts as untouched.
    return keepUntouched(values, base, base, effectSettingsFieldSpans());
}
