# Install rules shared by every program and component, so that a new one needs one line. The
# installed tree is relocatable: the programs find their shared libraries through an $ORIGIN run
# path and their run-time components from their own folder (src/core/ProgramFiles.h), never
# through the install prefix.
set(SELVANE_COMPONENT_DIR lib/selvane)

# A program people start: bin/, its shared libraries in ../lib/selvane/ (or beside it, in a
# portable copy: the same order as the components are looked for).
function(selvane_install_program target)
  set_target_properties(${target} PROPERTIES
    INSTALL_RPATH "$ORIGIN;$ORIGIN/../${SELVANE_COMPONENT_DIR}")
  install(TARGETS ${target} RUNTIME DESTINATION bin)
endfunction()

# A component (a shared library loaded by the programs) or a helper program that only the
# programs start: lib/selvane/, beside the other components.
function(selvane_install_component target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target}
          LIBRARY DESTINATION ${SELVANE_COMPONENT_DIR}
          RUNTIME DESTINATION ${SELVANE_COMPONENT_DIR})
endfunction()
