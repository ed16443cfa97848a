#!/bin/sh
# Builds the Debian package from the build tree's install rules (make install):
#
#   packaging/make-deb.sh BUILD_DIR OUTPUT_DIR
#
# stages the install under /usr, strips the binaries as Debian does, takes the run-time
# dependencies of the binaries from dpkg-shlibdeps (the components in /usr/lib/selvane/ are
# private: found through the programs' $ORIGIN run path, they need neither a dependency nor the
# loader's cache), writes the control files and packs OUTPUT_DIR/selvane_VERSION_ARCH.deb.
set -eu
[ $# -eq 2 ] || { echo "usage: make-deb.sh BUILD_DIR OUTPUT_DIR" >&2; exit 2; }
build=$(realpath "$1")
out=$(realpath -m "$2")
source=$(dirname "$(realpath "$0")")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
[ -n "$version" ] || { echo "make-deb: no project version in $build/CMakeCache.txt" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# dpkg-shlibdeps finds the package's own libraries in debian/PACKAGE, the tree being packed.
stage=$work/debian/selvane
mkdir -p "$stage/DEBIAN"
printf 'Source: selvane\n\nPackage: selvane\nArchitecture: any\n' >"$work/debian/control"
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; exit 1; }

# The same modes whatever the umask of the one who builds.
find "$stage" -type d -exec chmod 0755 {} +
elves=""
for file in $(find "$stage/usr" -type f | sort); do
  if [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ]; then
    case "$file" in
      *.so | *.so.*)
        strip --remove-section=.comment --remove-section=.note --strip-unneeded "$file"
        chmod 0644 "$file" ;;
      *)
        strip --remove-section=.comment --remove-section=.note "$file"
        chmod 0755 "$file" ;;
    esac
    elves="$elves $file"
  else
    chmod 0644 "$file"
  fi
done

shlibs=$(cd "$work" && dpkg-shlibdeps -O $elves 2>"$work/shlibdeps.log") ||
  { cat "$work/shlibdeps.log" >&2; exit 1; }
depends=${shlibs#shlibs:Depends=}

{
  echo "Package: selvane"
  echo "Version: $version"
  echo "Architecture: $arch"
  echo "Maintainer: Selvane developers <selvane@example.org>"
  echo "Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)"
  # Qt's Korean texts are loaded by name at start, so no binary names their package.
  echo "Depends: $depends, qt6-translations-l10n"
  # Without the Korean font Hangul shows as boxes; without an input method nobody can type a
  # recipient's name.
  echo "Recommends: fonts-nanum, fcitx5-hangul, fcitx5-frontend-qt6"
  echo "Section: misc"
  echo "Priority: optional"
  echo "Description: welfare benefit transfers to recipients' bank accounts"
  sed 's/^$/./; s/^/ /' "$source/description.txt"
} >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f | sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

mkdir -p "$out"
deb=$out/selvane_${version}_${arch}.deb
dpkg-deb --root-owner-group --build "$stage" "$deb" >/dev/null
echo "$deb"
