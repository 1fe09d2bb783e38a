#include "foundation/collections/Comparators.h"

namespace s::comp {

CompP& CompP::instance() {
    static CompP comparator;
    return comparator;
}

CompU08& CompU08::instance() {
    static CompU08 comparator;
    return comparator;
}

CompS08& CompS08::instance() {
    static CompS08 comparator;
    return comparator;
}

CompS32& CompS32::instance() {
    static CompS32 comparator;
    return comparator;
}

CompU32& CompU32::instance() {
    static CompU32 comparator;
    return comparator;
}

CompS64& CompS64::instance() {
    static CompS64 comparator;
    return comparator;
}

} // namespace s::comp
