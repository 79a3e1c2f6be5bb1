# Sourced by run.sh and test.sh: installs the Debian packages the build needs
# when they are missing (as root with apt-get; otherwise it prints the command
# and stops), then configures and builds into build/: the target named by
# build_target when the caller sets it (run.sh: dist, the install tree
# alone), else everything.
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev clang-format)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages: ${missing[*]}"
    echo "Install them with:"
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
fi

build_dir=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARIN_WERROR=ON
cmake --build "$build_dir" -j "$(nproc)" --target "${build_target:-all}"
