# Plots docs/syscalls.csv (system calls per second by kind, before and after
# a change, from bench/desktop.sh) as docs/syscalls.png. Run in docs/:
#   gnuplot ../bench/syscalls.gp
set terminal png size 800,400
set output "syscalls.png"
set datafile separator ","
set style data histograms
set style histogram clustered gap 1
set style fill solid 0.8 border -1
set key top right
set ylabel "system calls per second"
set yrange [0:*]
set grid ytics
set title "System calls per second of the clock alone (strace -c -f, 10 s)"
plot "syscalls.csv" skip 1 using 2:xtic(1) title "before (57eda8d)", "" skip 1 using 3 title "after"
