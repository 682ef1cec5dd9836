# Run by CPack once it has built the packages (in its staging folder, from
# which it copies them unchanged): writes SHA256SUMS beside them in the output
# folder, in the form `sha256sum -c` reads, so that a download can be checked.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(name ${package} NAME)
    file(SHA256 ${package} sum)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
