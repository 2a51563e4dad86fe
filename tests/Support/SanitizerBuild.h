// Whether this test program runs under a sanitizer that reserves terabytes
// of address space for its shadow memory (AddressSanitizer,
// ThreadSanitizer): a lowered limit on the address space cannot be used
// there, so the tests of running out of memory skip.
#pragma once

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TESSEL_TEST_SHADOW_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define TESSEL_TEST_SHADOW_SANITIZER 1
#endif
#endif

#if defined(TESSEL_TEST_SHADOW_SANITIZER)
inline constexpr bool ShadowSanitizerBuild = true;
#else
inline constexpr bool ShadowSanitizerBuild = false;
#endif
