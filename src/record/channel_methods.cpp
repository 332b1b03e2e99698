#include "record/channel_methods.h"

namespace prefig {
namespace {

// The channel start of the Fanuc methods: a program number after an
// optional block number.
#define PREFIG_FANUC_START "^ *N*[0-9]* *[O:]<[0-9]+>"

constexpr ChannelMethod kMethods[kChannelMethodCount] = {
    {"Index-Traub ($1, $2, ..) / (!1. !2, ...)", "^ *N*[0-9]* *\\$<[0-9]+>", "!<[0-9]+>", nullptr, true},
    {"Fanuc (M3xx)", PREFIG_FANUC_START, "M<3[0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Okuma (G13, G14) / (Pxxx)", "(G13($|[^0-9]))|(G14($|[^0-9]))", "P<[0-9]+>", nullptr, false},
    {"Fanuc (M1xx Pxxx)", "(" PREFIG_FANUC_START ")|(^\\<.*\\>)", "M[1-9][0-9][0-9] *P<[0-9]*>", nullptr, true},
    {"Fanuc (M1xx)", PREFIG_FANUC_START, "M<1[0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Fanuc (M2xx)", PREFIG_FANUC_START, "M<2[0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Fanuc (M1xx - M4xx)", PREFIG_FANUC_START, "M<[1-4][0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Fanuc (M5xx)", PREFIG_FANUC_START, "M<5[0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Fanuc (M9xx)", PREFIG_FANUC_START, "M<9[0-9][0-9]>($|[^0-9])", nullptr, false},
    {"Siemens (WAITM)", "^ *%", "[Ww][Aa][Ii][Tt][Mm] *\\( *[0-9]* *, *<( *[0-9]+ *,*){1,4}>",
     "[Ww][Aa][Ii][Tt][Mm] *\\( *<[0-9]*> *,", true},
    {"Mazak (M950 - M997)", "G109", "((M<9[5-8][0-9]>)|(M<99[0-7]>))($|[^0-9])", nullptr, false},
    {"Mazak (Pxxxxxx)", "G109", "P<[0-9]{1,8}>($|[^0-9])", nullptr, false},
};

#undef PREFIG_FANUC_START

}  // namespace

const ChannelMethod* ChannelMethodOf(int mode) {
  return mode >= 1 && mode <= kChannelMethodCount ? &kMethods[mode - 1] : nullptr;
}

}  // namespace prefig
