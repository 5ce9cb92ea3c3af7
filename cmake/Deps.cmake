# Third-party libraries cross-built by scripts/build-deps.sh into MOLVANE_DEPS/<source>, one
# folder per target.
set(MOLVANE_DEPS "/var/cache/molvane/deps/${MOLVANE_ARCH}" CACHE PATH "cross-built dependencies of this target")

function(molvane_import name source lib)
  set(dir "${MOLVANE_DEPS}/${source}")
  if(NOT EXISTS "${dir}/lib/${lib}")
    message(FATAL_ERROR "${dir}/lib/${lib} missing: run scripts/setup.sh")
  endif()
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    IMPORTED_LOCATION "${dir}/lib/${lib}"
    INTERFACE_INCLUDE_DIRECTORIES "${dir}/include")
endfunction()

molvane_import(dep_zlib zlib libz.a)
molvane_import(dep_minizip minizip libminizip.a)
target_link_libraries(dep_minizip INTERFACE dep_zlib)
target_include_directories(dep_minizip INTERFACE "${MOLVANE_DEPS}/minizip/include/minizip")
molvane_import(dep_jsoncpp libjsoncpp libjsoncpp.a)
molvane_import(dep_mbedcrypto mbedtls libmbedcrypto.a)
target_link_libraries(dep_mbedcrypto INTERFACE bcrypt)
molvane_import(dep_gtest googletest libgtest.a)
molvane_import(dep_gtest_main googletest libgtest_main.a)
target_link_libraries(dep_gtest_main INTERFACE dep_gtest)
