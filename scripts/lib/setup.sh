# Shared set-up of scripts/run, scripts/test, scripts/fuzz and scripts/format:
# the Debian packages the build needs, installed when running as root, else
# the one apt-get line to run.

# Build and test: compiler, Qt (with its SVG module for the toolbar's icons),
# GoogleTest; Qt's German texts, the fixed-pitch payslip font, the PDF checks
# and the help compiler.
LX_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev qt6-translations-l10n
             fonts-liberation2 poppler-utils fp-utils)
# Only the running program: the help viewer.
LX_RUN_PACKAGES=(xchm)
# Only scripts/fuzz: clang and its libFuzzer and sanitizer runtimes.
LX_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# Only scripts/format: the formatter alone, without the build's packages.
LX_FORMAT_PACKAGES=(clang-format)

lx_missing_packages() {
    local missing=() p
    for p in "${LX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    echo "${missing[@]}"
}

lx_ensure_packages() {
    local missing
    [ "${1:-}" = run ] && LX_PACKAGES+=("${LX_RUN_PACKAGES[@]}")
    [ "${1:-}" = fuzz ] && LX_PACKAGES+=("${LX_FUZZ_PACKAGES[@]}")
    [ "${1:-}" = format ] && LX_PACKAGES=("${LX_FORMAT_PACKAGES[@]}")
    missing=$(lx_missing_packages)
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install -y $missing" >&2
        exit 1
    fi
    echo "Installing: $missing"
    local p need_update=0
    for p in $missing; do
        if ! apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: [0-9]'; then need_update=1; fi
    done
    if [ "$need_update" -eq 1 ]; then apt-get update; fi
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}
