#pragma once

#include <initializer_list>

namespace orvanta {

// A set of enumeration values held as bits of one small word: bit n is the value of ordinal n.
template <typename Enum, typename Bits> class EnumSet
{
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Enum> items)
    {
        for (Enum item : items)
            m_bits |= bit(item);
    }
    static constexpr EnumSet fromBits(Bits bits)
    {
        EnumSet set;
        set.m_bits = bits;
        return set;
    }

    constexpr Bits bits() const { return m_bits; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr bool has(Enum item) const { return (m_bits & bit(item)) != 0; }
    constexpr EnumSet &include(Enum item)
    {
        m_bits |= bit(item);
        return *this;
    }
    constexpr EnumSet &exclude(Enum item)
    {
        m_bits &= Bits(~bit(item));
        return *this;
    }
    constexpr EnumSet with(Enum item, bool present) const
    {
        EnumSet set = *this;
        return present ? set.include(item) : set.exclude(item);
    }
    constexpr EnumSet operator&(EnumSet other) const
    {
        return fromBits(Bits(m_bits & other.m_bits));
    }
    constexpr EnumSet operator|(EnumSet other) const
    {
        return fromBits(Bits(m_bits | other.m_bits));
    }
    constexpr bool operator==(const EnumSet &) const = default;

private:
    static constexpr Bits bit(Enum item) { return Bits(Bits(1) << unsigned(item)); }
    Bits m_bits = 0;
};

} // namespace orvanta
