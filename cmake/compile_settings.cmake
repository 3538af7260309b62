# One target that every target links: language level, warnings, sanitizers.
add_library(babyname_settings INTERFACE)
target_compile_features(babyname_settings INTERFACE cxx_std_20)
set_target_properties(babyname_settings PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
target_compile_options(babyname_settings INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
if(BABYNAME_SANITIZE)
  target_compile_options(babyname_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(babyname_settings INTERFACE -fsanitize=address,undefined)
endif()
