# Shared by run.sh and test.sh: install what a fresh Debian 12 lacks, then configure and build.
# Sourced, not run.

QUILLBAT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The Debian packages a build of the program and its tests needs.
QUILLBAT_PACKAGES=(g++ make cmake pkg-config libgtest-dev libgmock-dev libcli11-dev
    nlohmann-json3-dev qt6-base-dev fonts-dejavu-core)

# Installs the named Debian packages that are missing. As root it runs apt-get; otherwise it
# prints the command to run and fails.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Quillbat needs these Debian packages: ${missing[*]}" >&2
        echo "Install them with:  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds into the folder given first; further arguments go to cmake.
configure_and_build() {
    local build_dir="$1"
    shift
    local werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    cmake -S "$QUILLBAT_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUILLBAT_WERROR="$werror" "$@" >/dev/null &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}

# The checks of the package scripts. check NAME COMMAND... counts a check that passes when the
# command succeeds, in the callers' passed and failed, and shows the command's output when it
# fails.
check() {
    local name="$1"
    shift
    local output status=0
    output=$("$@" 2>&1) || status=$?
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
        echo "ok: $name"
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
        [ -z "$output" ] || sed 's/^/    /' <<<"$output"
    fi
}

# Succeeds when the command succeeds and prints exactly the expected text on standard output.
#   prints EXPECTED COMMAND...
prints() {
    local expected="$1" actual
    shift
    actual=$("$@") || { echo "$actual"; return 1; }
    [ "$actual" = "$expected" ] || { diff <(echo "$expected") <(echo "$actual"); return 1; }
}
