#!/usr/bin/perl
# Writes floor.dat files of random floors and random command streams, for
# comparing two builds of quorrel-sim on play no demo covers:
#   tools/scripts/random-floors.pl SEED FILES OUTDIR
# makes OUTDIR/random-F.dat (57 floors each) and OUTDIR/random-F-N.cmd (the
# commands for floor N of file F). The same seed gives the same files.
use strict;
use warnings;

my ($seed, $files, $out) = @ARGV;
die "usage: $0 SEED FILES OUTDIR\n" unless defined $out && $files =~ /^\d+$/;

# A small generator of our own, so the files do not depend on perl's rand.
my $state = ($seed * 2654435761 + 12345) % 4294967296;
sub roll {    # 0 .. n-1
    my ($n) = @_;
    $state = ($state * 1103515245 + 12345) % 2147483648;
    return int(($state >> 8) * $n / 8388608);
}
sub pick { return $_[roll(scalar @_)]; }

my $columns = 40;

sub random_floor {
    my $rows = roll(4) == 0 ? 60 + roll(61) : 24 + roll(20);
    my @tiles = (0) x ($rows * $columns);
    my @objects = (0) x ($rows * $columns);
    my $at = sub { my ($r, $c) = @_; return $r * $columns + $c; };

    # Walls at the sides (sometimes missing, so actors can leave the floor),
    # a solid bottom, and platforms of mixed tiles with gaps every few rows.
    my $walls = roll(5) != 0;
    for my $r (0 .. $rows - 1) {
        if ($walls) { $tiles[$at->($r, 0)] = 31; $tiles[$at->($r, 39)] = 31; }
    }
    $tiles[$at->($rows - 1, $_)] = 31 for 0 .. 39;
    my @platforms;
    for (my $r = $rows - 1 - (3 + roll(4)); $r > 2; $r -= 3 + roll(6)) {
        push @platforms, $r;
        my $tile = pick(30, 30, 31, 28, 28, 16);
        for my $c (1 .. 38) {
            next if roll(8) == 0;
            $tiles[$at->($r, $c)] = roll(10) == 0 ? pick(16, 24, 27, 29, 31) : $tile;
        }
        # A ladder or two up to this platform from the one below.
        for (1 .. 1 + roll(2)) {
            my $c = 1 + roll(38);
            my $ladder = pick(24, 24, 27, 29);
            for (my $lr = $r + 1; $lr < $rows - 1 && $tiles[$at->($lr, $c)] == 0; ++$lr) {
                $tiles[$at->($lr, $c)] = $ladder;
            }
            $tiles[$at->($r, $c)] = pick(28, 24, 29);
        }
    }
    # Loose steps and bumps.
    for (1 .. roll(30)) { $tiles[$at->(1 + roll($rows - 2), 1 + roll(38))] = pick(16, 28, 30, 31); }

    # Objects stand on the floor or on a platform.
    my @levels = ($rows - 1, @platforms);
    my $place = sub {
        my ($kind, $height) = @_;
        my $level = pick(@levels);
        my $r = $level - $height;
        return if $r < 0;
        $objects[$at->($r, 1 + roll(37))] = $kind;
    };
    my $player_row = $rows - 3;
    $objects[$at->($player_row, 2 + roll(36))] = 1 if roll(12) != 0;
    $place->(pick(2, 3, 12, 13), 1) for 1 .. roll(24);
    $place->(4, 2) for 1 .. roll(3);
    $place->(5, 2) for 1 .. roll(4);
    $place->(14, 2) for 1 .. roll(2);
    if (roll(3) == 0) {
        $place->(6, 2);
        $place->(7, 1) for 1 .. 1 + roll(4);
    }
    $place->(pick(8, 9, 10, 11), 2) for 1 .. roll(3);
    $objects[$at->(1 + roll(3), 1 + roll(38))] = 31;    # the exit

    my $start = $rows > 31 ? $rows - 31 + (roll(6) == 0 ? -roll(6) : 0) : 0;
    return pack('l<l<', $rows, $start) . pack('c*', @tiles) . pack('c*', @objects) . pack('l<', 0);
}

# Commands held for a while, as a player holds keys; now and then any byte.
sub random_commands {
    my $length = 200 + roll(1200);
    my $bytes = '';
    while (length($bytes) < $length) {
        my $command = roll(20) == 0 ? roll(256) : pick(0, 1, 1, 2, 2, 4, 8, 8, 16);
        $bytes .= chr($command) x (1 + roll(40));
    }
    return substr($bytes, 0, $length);
}

mkdir $out unless -d $out;
for my $f (1 .. $files) {
    my @records = map { random_floor() } 1 .. 57;
    my ($offsets, $offset) = ('', 0);
    for my $rec (@records) { $offsets .= pack('l<', $offset); $offset += length $rec; }
    open(my $dat, '>:raw', "$out/random-$f.dat") or die "$out/random-$f.dat: $!\n";
    print $dat $offsets, @records;
    close $dat;
    for my $n (1 .. 56) {
        open(my $cmd, '>:raw', "$out/random-$f-$n.cmd") or die "$out/random-$f-$n.cmd: $!\n";
        print $cmd random_commands();
        close $cmd;
    }
}
