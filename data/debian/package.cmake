# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the installed tree, before it is packed: a Debian
# package has the Debian changelog and the machine-readable copyright file in its documentation
# folder, the latter in place of the licence's text (which Debian keeps in common-licenses),
# its binary without the compiler's notes, and Lintian's overrides. Other generators are left
# alone, as is a plain install.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

# CPack would make a package that depends on nothing without dpkg-shlibdeps.
find_program(shlibdeps dpkg-shlibdeps)
if(NOT shlibdeps)
    message(FATAL_ERROR "dpkg-shlibdeps, which finds the package's dependencies, is missing: "
                        "install dpkg-dev")
endif()

set(source ${CPACK_LARKSPAN_DEBIAN_DIR})
set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${root}/share/doc/larkspan)
set(file_mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(folder_mode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                WORLD_EXECUTE)

# The newest entry of the changelog is this package's version.
file(STRINGS ${source}/changelog top LIMIT_COUNT 1)
set(version ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT top MATCHES "^larkspan \\(([^)]*)\\)" OR NOT CMAKE_MATCH_1 STREQUAL version)
    message(FATAL_ERROR "${source}/changelog begins with \"${top}\": "
                        "add an entry for the version ${version} on top")
endif()

file(REMOVE ${doc}/LICENSE)
file(COPY_FILE ${source}/copyright ${doc}/copyright)
file(COPY_FILE ${source}/changelog ${doc}/changelog.Debian)
file(CHMOD ${doc}/copyright ${doc}/changelog.Debian PERMISSIONS ${file_mode})
# Most compressed, without a name or a time in the header, as Debian has it.
execute_process(COMMAND gzip -9nf ${doc}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)

file(MAKE_DIRECTORY ${root}/share/lintian/overrides)
file(CHMOD ${root}/share/lintian ${root}/share/lintian/overrides PERMISSIONS ${folder_mode})
file(COPY_FILE ${source}/lintian-overrides ${root}/share/lintian/overrides/larkspan)
file(CHMOD ${root}/share/lintian/overrides/larkspan PERMISSIONS ${file_mode})

# strip leaves the compiler's version in .comment, which the program does not need.
execute_process(COMMAND ${CPACK_LARKSPAN_OBJCOPY} --remove-section=.comment ${root}/bin/larkspan
                COMMAND_ERROR_IS_FATAL ANY)
