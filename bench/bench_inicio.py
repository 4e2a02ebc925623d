#!/usr/bin/env python3
"""Start-up benchmark: Teclomatic against an empty full-screen Qt window.

Builds the empty window (piso_vazio) and the measuring hook (medidor_inicio)
in the given build folder, starts its own Xvfb and runs the programs
interleaved, each run with a fresh HOME and a fresh copy of the program's
application folder. For every program it prints the median (and range) of

  * exec -> first painted frame: from just before the program is started to
    the moment the preloaded hook sees its first frame handed to the window
    system (CLOCK_MONOTONIC on both sides);
  * RSS 3 s after the start (VmRSS);
  * wakeups per second while idle on the first screen: the growth of the
    context switches of all the program's threads (voluntary and not, from
    /proc/<pid>/task/*/status) over an idle window, divided by its length.
    A program that sleeps until it is told something scores 0. The window
    opens 12 s after the start: Teclomatic's blinking cursors and moving
    arrow rest after 10 s without input, as a desktop's text cursors do;

and, with --callgrind, the instructions of all threads until the first frame
(valgrind's callgrind, the program ending as soon as the frame is out).

  bench/bench_inicio.py --build build-rel
  bench/bench_inicio.py --build build-rel --programa antes=../antes/build-rel/app \\
      --programa depois=build-rel/app --callgrind

Each --programa names an application folder holding the Teclomatic
executable; without one, the build folder's own app/ is measured.
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

AQUI = os.path.dirname(os.path.abspath(__file__))


def construir(build):
    subprocess.run(["cmake", "--build", build, "--target", "piso_vazio", "medidor_inicio", "-j2"],
                   check=True, stdout=subprocess.DEVNULL)


def iniciar_xvfb(display):
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=open("/tmp/bench-inicio-xvfb.log", "w"),
                            start_new_session=True)
    sock = "/tmp/.X11-unix/X" + display.lstrip(":")
    for _ in range(100):
        if os.path.exists(sock):
            break
        time.sleep(0.05)
    # The socket shows before the server answers: wait until a client gets in.
    for _ in range(100):
        if subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0:
            break
        time.sleep(0.05)
    return xvfb


def copiar_programa(origem, executavel, destino):
    """A fresh application folder: the executable and what lies beside it."""
    if os.path.isdir(origem):
        shutil.copytree(origem, destino, symlinks=True)
    else:
        os.makedirs(destino)
        shutil.copy2(origem, os.path.join(destino, executavel))
    return os.path.join(destino, executavel)


def trocas_de_contexto(pid):
    total = 0
    try:
        for tid in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{tid}/status") as f:
                    for linha in f:
                        if linha.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                            total += int(linha.split()[1])
            except FileNotFoundError:
                pass
    except FileNotFoundError:
        return None
    return total


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for linha in f:
            if linha.startswith("VmRSS:"):
                return int(linha.split()[1])
    return None


def ambiente(display, gancho, casa, modo):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
    env.update(DISPLAY=display, HOME=casa, LD_PRELOAD=gancho, TECLOMATIC_MEDIR_INICIO=modo,
               XDG_RUNTIME_DIR=casa)
    env.pop("WAYLAND_DISPLAY", None)
    return env


def uma_vez(nome, origem, executavel, display, gancho, rss_apos, ocioso_desde, ocioso):
    with tempfile.TemporaryDirectory(prefix="bench-inicio-") as tmp:
        casa = os.path.join(tmp, "home")
        os.makedirs(casa)
        exe = copiar_programa(origem, executavel, os.path.join(tmp, "app"))
        env = ambiente(display, gancho, casa, "1")
        linhas = []
        outras = []
        visto = threading.Event()

        t0 = time.monotonic_ns()
        proc = subprocess.Popen([exe], env=env, cwd=tmp, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                text=True, start_new_session=True)

        def ler():
            for linha in proc.stderr:
                outras.append(linha)
                if linha.startswith("primeiro-quadro "):
                    linhas.append(int(linha.split()[1]))
                    visto.set()

        leitor = threading.Thread(target=ler, daemon=True)
        leitor.start()
        try:
            if not visto.wait(20):
                raise RuntimeError(f"{nome}: no first frame within 20 s: {''.join(outras)[-2000:]}")
            quadro_ms = (linhas[0] - t0) / 1e6
            espera = t0 / 1e9 + rss_apos - time.monotonic()
            if espera > 0:
                time.sleep(espera)
            rss = rss_kib(proc.pid) / 1024.0
            espera = t0 / 1e9 + ocioso_desde - time.monotonic()
            if espera > 0:
                time.sleep(espera)
            antes = trocas_de_contexto(proc.pid)
            time.sleep(ocioso)
            depois = trocas_de_contexto(proc.pid)
            despertares = (depois - antes) / ocioso
        finally:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
        return quadro_ms, rss, despertares


def instrucoes(nome, origem, executavel, display, gancho):
    with tempfile.TemporaryDirectory(prefix="bench-inicio-cg-") as tmp:
        casa = os.path.join(tmp, "home")
        os.makedirs(casa)
        exe = copiar_programa(origem, executavel, os.path.join(tmp, "app"))
        env = ambiente(display, gancho, casa, "sair")
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + os.path.join(tmp, "cg.%p"), exe],
                       env=env, cwd=tmp, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
        # A library may fork a helper, which writes its own file holding the
        # program's count up to the fork: the program's is the largest.
        totais = []
        for arquivo in os.listdir(tmp):
            if arquivo.startswith("cg."):
                with open(os.path.join(tmp, arquivo)) as f:
                    for linha in f:
                        if linha.startswith(("summary:", "totals:")):
                            totais.append(int(linha.split()[1]))
                            break
        if totais:
            return max(totais)
    raise RuntimeError(f"{nome}: callgrind gave no total")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(AQUI, "..", "build-rel"),
                    help="build folder (the floor and the hook are built there)")
    ap.add_argument("--programa", action="append", default=[], metavar="NOME=PASTA",
                    help="an application folder with the Teclomatic executable (repeatable)")
    ap.add_argument("--vezes", type=int, default=11, help="runs of each program (default 11)")
    ap.add_argument("--display", default=None, help="display for the benchmark's own Xvfb (default: a free one)")
    ap.add_argument("--rss-apos", type=float, default=3.0, help="seconds after the start to read RSS")
    ap.add_argument("--ocioso-desde", type=float, default=12.0, help="seconds after the start the idle window opens")
    ap.add_argument("--ocioso", type=float, default=5.0, help="seconds of idle counted for wakeups")
    ap.add_argument("--callgrind", action="store_true", help="also count instructions until the first frame")
    a = ap.parse_args()

    build = os.path.abspath(a.build)
    construir(build)
    gancho = os.path.join(build, "bench", "libmedidor_inicio.so")
    programas = [("piso", os.path.join(build, "bench", "piso_vazio"), "piso_vazio")]
    for p in a.programa or [f"Teclomatic={os.path.join(build, 'app')}"]:
        nome, _, pasta = p.partition("=")
        programas.append((nome, os.path.abspath(pasta), "Teclomatic"))

    if a.display is None:
        n = 90
        while os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
            n += 1
        a.display = f":{n}"
    xvfb = iniciar_xvfb(a.display)
    try:
        resultados = {nome: [] for nome, _, _ in programas}
        for rodada in range(a.vezes):
            # Interleaved, the order turning each round, so a slow moment of
            # the machine falls on every program alike.
            ordem = programas[rodada % len(programas):] + programas[:rodada % len(programas)]
            for nome, origem, exe in ordem:
                resultados[nome].append(uma_vez(nome, origem, exe, a.display, gancho, a.rss_apos, a.ocioso_desde,
                                                     a.ocioso))
            print(f"round {rodada + 1}/{a.vezes}: "
                  + ", ".join(f"{n} {resultados[n][-1][0]:.0f} ms" for n, _, _ in programas), file=sys.stderr)
        ir = {}
        if a.callgrind:
            for nome, origem, exe in programas:
                ir[nome] = instrucoes(nome, origem, exe, a.display, gancho)
    finally:
        xvfb.terminate()
        xvfb.wait()

    piso = statistics.median(r[0] for r in resultados["piso"])
    print(f"{'program':<12} {'first frame ms (min-max)':>26} {'x floor':>8} {'RSS MiB':>8} {'wakeups/s':>10}"
          + (f" {'instr. to 1st frame':>20}" if ir else ""))
    for nome, _, _ in programas:
        rs = resultados[nome]
        q = [r[0] for r in rs]
        mediana = statistics.median(q)
        linha = (f"{nome:<12} {mediana:>10.1f} ({min(q):6.1f}-{max(q):6.1f}) {mediana / piso:>8.2f} "
                 f"{statistics.median(r[1] for r in rs):>8.1f} {statistics.median(r[2] for r in rs):>10.1f}")
        if ir:
            linha += f" {ir[nome] / 1e6:>18.1f} M"
        print(linha)


if __name__ == "__main__":
    main()
