// Declarations that must match the host's, checked at compile time: a stand-in that were
// stricter would reject code the host builds, one that were looser would let through code
// the host rejects (an ambiguous overload, a constexpr use of a constructor that is not).
#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

#include <control.h>
#include <iparamb2.h>
#include <max.h>

// An overload set that takes a Point3 or a Color: an AColor converts to both. Only named in
// unevaluated operands, so never defined.
namespace overloads {
void Pick(const Point3&);
void Pick(const Color&);
}  // namespace overloads

namespace {

// Whether T built from value-initialised Args can appear in a constant expression.
template <typename T, typename... Args>
struct ConstexprConstructible {
    template <typename U, int = (U(Args{}...), 0)>
    static constexpr bool Check(int) {
        return true;
    }
    template <typename U>
    static constexpr bool Check(...) {
        return false;
    }
    static constexpr bool value = Check<T>(0);
};

template <typename T, typename = decltype(overloads::Pick(std::declval<T>()))>
constexpr bool PickResolves(int) {
    return true;
}
template <typename T>
constexpr bool PickResolves(...) {
    return false;
}

// ---- Constants

static_assert(REF_MAKER_CLASS_ID == 0x100);
static_assert(REF_TARGET_CLASS_ID == 0x200);
static_assert(std::is_same_v<decltype(PART_ALL), const PartID>, "a typed constant, not a macro");
static_assert(PART_ALL == static_cast<PartID>(ALL_CHANNELS | PART_TM));

// ---- Functions and fields a host program uses by these names

static_assert(std::is_same_v<decltype(&Animating), int (*)()>);
static_assert(std::is_same_v<decltype(&AnimateOn), void (*)()>);
static_assert(std::is_same_v<decltype(&SuspendAnimate), void (*)()>);
static_assert(std::is_same_v<decltype(&NewRemapDir), RemapDir* (*)(BOOL)>);
static_assert(std::is_same_v<decltype(&CloneRefHierarchy), ReferenceTarget* (*)(ReferenceTarget*)>);
static_assert(std::is_same_v<decltype(ParamDef::ctrl_IDs), int*>);
static_assert(std::is_same_v<decltype(ParamDef::ctrl_count), short>);
static_assert(std::is_same_v<decltype(&ClassDesc::GetParamBlockDescByID),
                             ParamBlockDesc2* (ClassDesc::*)(BlockID)>);

// ---- Point3

static_assert(std::is_convertible_v<const Color&, Point3>);
static_assert(std::is_convertible_v<const AColor&, Point3>);
static_assert(std::is_convertible_v<const Point4&, Point3>);
static_assert(std::is_convertible_v<const float*, Point3>, "the array constructor is implicit");
static_assert(ConstexprConstructible<Point3, float, float, float>::value);
static_assert(ConstexprConstructible<Point3, int, int, int>::value);
// Mixed literal types match the float, double and int forms equally well.
static_assert(!std::is_constructible_v<Point3, float, int, int>);
static_assert(!std::is_constructible_v<Point3, double, float, float>);

// ---- AColor and Color

static_assert(std::is_convertible_v<const Point4&, AColor>);
static_assert(std::is_constructible_v<AColor, std::uint32_t, float>);
static_assert(std::is_constructible_v<AColor, std::uint32_t>);
static_assert(!std::is_convertible_v<std::uint32_t, AColor>, "the RGB constructor is explicit");
static_assert(!std::is_convertible_v<float*, AColor>, "the array constructor is explicit");
static_assert(!std::is_constructible_v<AColor, int, float, int>);
static_assert(!ConstexprConstructible<AColor, float, float, float, float>::value);
static_assert(!ConstexprConstructible<AColor, int, int, int>::value);
static_assert(!ConstexprConstructible<Color, float, float, float>::value);
static_assert(!std::is_constructible_v<Color, int, double, int>);

// The host's conversions make this call ambiguous; so must the stand-in's.
static_assert(!PickResolves<AColor>(0));
static_assert(PickResolves<Point3>(0) && PickResolves<Color>(0));

// ---- What the conversions compute

TEST(SdkDeclarations, GeometryConversionsCopyTheirComponents) {
    const Point3 fromColor = Color(0.25f, 0.5f, 0.75f);
    const Point3 fromAColor = AColor(1.0f, 2.0f, 3.0f, 4.0f);
    const Point3 fromPoint4 = Point4(5.0f, 6.0f, 7.0f, 8.0f);
    EXPECT_EQ(fromColor, Point3(0.25f, 0.5f, 0.75f));
    EXPECT_EQ(fromAColor, Point3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(fromPoint4, Point3(5.0f, 6.0f, 7.0f));
    EXPECT_EQ(AColor(Point4(5.0f, 6.0f, 7.0f, 8.0f)), AColor(5.0f, 6.0f, 7.0f, 8.0f));
    // A Windows RGB value keeps red in its low byte.
    EXPECT_EQ(AColor(std::uint32_t{0x00FF8000}, 0.5f), AColor(0.0f, 128.0f / 255.0f, 1.0f, 0.5f));
    EXPECT_EQ(AColor(std::uint32_t{0x000000FF}).a, 1.0f);
}

}  // namespace
