# Starts the print spooler (CUPS) and makes a queue that sends its jobs, as they are, to
# a "network printer" on 127.0.0.1:19100 — the test that prints listens there itself.
# Sourced by tools/test; sets GAIKYO_TEST_PRINTER and GAIKYO_TEST_PRINTER_PORT.
start_test_printer() {
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    local port=19100
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        "${sudo[@]}" /usr/sbin/cupsd
        for _ in $(seq 1 50); do
            lpstat -r 2>/dev/null | grep -q 'is running' && break
            sleep 0.2
        done
    fi
    # A raw queue: the page arrives as it left the program.
    "${sudo[@]}" lpadmin -p gaikyo-test -E -v "socket://127.0.0.1:$port" -m raw 2>/dev/null ||
        "${sudo[@]}" lpadmin -p gaikyo-test -E -v "socket://127.0.0.1:$port"
    "${sudo[@]}" cupsenable gaikyo-test
    "${sudo[@]}" cupsaccept gaikyo-test
    # A second queue listed before it, so that choosing the test queue takes more than
    # the first row; nothing is ever printed on it.
    "${sudo[@]}" lpadmin -p gaikyo-spare -E -v "socket://127.0.0.1:$((port + 1))" -m raw 2>/dev/null ||
        "${sudo[@]}" lpadmin -p gaikyo-spare -E -v "socket://127.0.0.1:$((port + 1))"
    # Another printer as the default, so that the test shows the change.
    "${sudo[@]}" lpadmin -d gaikyo-spare
    export GAIKYO_TEST_PRINTER=gaikyo-test
    export GAIKYO_TEST_PRINTER_PORT=$port
}
