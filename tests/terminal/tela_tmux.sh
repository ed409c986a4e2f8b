#!/usr/bin/env bash
# compras tela de ponta a ponta, como uma pessoa a usa: o programa roda num terminal
# do tmux (um servidor só deste teste, pelo seu próprio soquete), as teclas chegam
# por send-keys e a tela é lida com capture-pane. Cada cenário espera o que uma
# pessoa veria, com prazo; o servidor do tmux é derrubado em qualquer saída.
#
# Uso: tela_tmux.sh COMPRAS CASA CENARIO [FONTE BUILD]
# (FONTE e BUILD, a pasta do projeto e a de build, para o cenário de make run)
# Sem tmux o cenário é pulado (código 77), a não ser com VRMWND_EXIGE_TMUX=1 (o CI),
# que faz a falta do tmux ser uma falha.
set -u
compras=$1
casa=$2
cenario=$3
fonte=${4:-}
build=${5:-}

if ! command -v tmux >/dev/null 2>&1; then
  echo "tmux não está instalado: o cenário '$cenario' de compras tela precisa dele (apt-get install tmux)"
  [ "${VRMWND_EXIGE_TMUX:-0}" = 1 ] && exit 1
  exit 77
fi

export LANG=C.UTF-8 LC_ALL=C.UTF-8
soquete="vrmwnd-tela-$cenario-$$-$RANDOM"
t() { tmux -L "$soquete" "$@"; }
caminho=""
trap 't kill-server >/dev/null 2>&1; [ -n "$caminho" ] && rm -f "$caminho"' EXIT

rm -rf "$casa"
mkdir -p "$casa"
ambiente_extra=()

# Abre compras tela (ou o comando dado) num terminal de 100 x 32; quando o programa
# sai, o terminal mostra o código de saída e fica aberto para ser lido.
abre() {
  local comando=${1:-"'$compras' tela"}
  t -f /dev/null new-session -d -x 100 -y 32 "${ambiente_extra[@]}" \
    -e HOME="$casa" -e VRMWND_HOME="$casa/vrmwnd" -e LANG=C.UTF-8 -e LC_ALL=C.UTF-8 -e TERM=tmux-256color \
    "$comando; echo \"compras saiu com \$?\"; sleep 120"
  t set-option -g window-size manual >/dev/null
  caminho=$(t display -p '#{socket_path}')
}

tela() { t capture-pane -p; }

falha() {
  echo "FALHOU ($cenario): $*"
  echo "--- a tela"
  tela
  exit 1
}

# Espera o texto aparecer na tela (até $2 segundos, 10 sem o segundo argumento).
espera() {
  local prazo=$((SECONDS + ${2:-10}))
  while ((SECONDS < prazo)); do
    tela | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  falha "não apareceu: $1"
}

# Espera o texto sumir da tela.
espera_sumir() {
  local prazo=$((SECONDS + ${2:-10}))
  while ((SECONDS < prazo)); do
    tela | grep -qF -- "$1" || return 0
    sleep 0.1
  done
  falha "não sumiu: $1"
}

teclas() { t send-keys "$@"; }

# Um clique do mouse (botão 0 esquerdo, 2 direito) na célula x, y (a partir de 0),
# como o terminal o manda: apertar e soltar, na codificação X10.
mouse() {
  local aperta solta
  printf -v aperta '\\e[M\\x%x\\x%x\\x%x' $((32 + $1)) $((33 + $2)) $((33 + $3))
  printf -v solta '\\e[M\\x%x\\x%x\\x%x' 35 $((33 + $2)) $((33 + $3))
  t send-keys -l "$(printf "$aperta")"
  t send-keys -l "$(printf "$solta")"
}

# Clica (botão $2, o esquerdo sem ele) no começo do texto, onde ele está na tela.
clica_em() {
  local y=0 linha antes
  while IFS= read -r linha; do
    if [[ "$linha" == *"$1"* ]]; then
      antes=${linha%%"$1"*}
      mouse "${2:-0}" "${#antes}" "$y"
      return 0
    fi
    y=$((y + 1))
  done < <(tela)
  falha "não está na tela para o clique: $1"
}
digita() { t send-keys -l "$1"; }

# O menu aberto; o primeiro uso cria a instalação e a empresa de amostra.
abre_menu() {
  abre "$@"
  espera "Escolha a tela com as setas e aperte Enter; Esc sai." 30
}

# Esc no menu sai, e o terminal volta ao que era: fora da tela alternativa, com o
# cursor à vista e sem o mouse.
sai_e_confere_terminal() {
  espera "compras saiu com ${1:-0}"
  [ "$(t display -p '#{alternate_on}')" = 0 ] || falha "a tela alternativa ficou ligada"
  [ "$(t display -p '#{cursor_flag}')" = 1 ] || falha "o cursor ficou escondido"
  [ "$(t display -p '#{mouse_any_flag}')" = 0 ] || falha "o mouse ficou ligado"
}

case "$cenario" in
  redimensiona)
    # O diálogo redimensionável: Ctrl+Shift+Direita arrasta a alça uma célula, o
    # Cancelar anda junto com o canto, e a posição guardada aparece depois do OK.
    abre_menu
    teclas Down Down Down Down Down Down Down Down
    teclas Enter
    espera "Compras - Itens redimensionáveis"
    espera "(245, 159) - (320, 182)"
    teclas C-S-Right
    espera "(251, 159) - (326, 182)"
    teclas C-S-Down
    espera "(251, 172) - (326, 195)"
    teclas Enter
    espera "Posição guardada: 0,1,-1,-1,-1,-1,0,0,344,239"
    teclas Enter
    espera_sumir "Compras - Itens redimensionáveis"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  menu)
    # O menu de contexto da grade do orçado e realizado. Pelo teclado: Shift+F10 com o
    # foco na grade abre a caixa, Baixo Baixo Direita abre "Configurar Lista..." ao
    # lado, Baixo Enter esconde "Data Inicial" e o menu fecha; aberto de novo, a coluna
    # está sem a marca. Esc fecha o diálogo.
    abre_menu
    teclas Down Down Down Down Down Down Down Down Down
    teclas Enter
    espera "Consulta de Valores Orçados e Realizados"
    for _ in 1 2 3 4 5; do teclas Tab; done
    teclas S-F10
    espera "Configurar Lista..."
    teclas Down Down Right
    espera "Exibir Tudo"
    espera "✓ Data Inicial"
    teclas Down Enter
    espera_sumir "Exibir Tudo"
    espera_sumir "Data Inicial  Data Final"
    teclas S-F10 Down Down Right
    espera "Exibir Tudo"
    tela | grep -qF "✓ Data Inicial" && falha "a coluna escondida ficou marcada"
    teclas Escape Escape
    espera_sumir "Configurar Lista..."
    # Pelo mouse: o clique direito na grade abre o menu ali; um clique em "Configurar
    # Lista..." abre a lista ao lado e outro em "Exibir Tudo" traz a coluna de volta.
    clica_em "Realizado   %" 2
    espera "Configurar Lista..."
    clica_em "Configurar Lista..."
    espera "Exibir Tudo"
    clica_em "Exibir Tudo"
    espera_sumir "Exibir Tudo"
    espera "Data Inicial  Data Final"
    teclas Escape
    espera_sumir "Consulta de Valores Orçados e Realizados"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  consulta)
    # Digitar o código da autorização mostra a descrição; Esc fecha a tela e sai.
    abre_menu
    teclas Enter
    espera "Compras - Consultas"
    digita "AC-002"
    teclas Tab
    espera "Manutenção predial"
    teclas Escape
    espera_sumir "Compras - Consultas"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  lista)
    # F2 abre a lista de consulta da condição; a pessoa desce uma linha e escolhe.
    abre_menu
    teclas Enter
    espera "Compras - Consultas"
    teclas M-c
    teclas F2
    espera "Relação de Condição de Pagamento"
    espera "Quinzenal em 4 vezes"
    teclas Down Enter
    espera_sumir "Relação de Condição de Pagamento"
    espera "Condição de pagamento: 30/60/90"
    espera "30, 60 e 90 dias"
    # O combo de estados traz as linhas da empresa: a seta escolhe a primeira.
    teclas M-e Down
    espera "Amazonas"
    # OK mostra o que ficou escolhido numa caixa de mensagem.
    teclas M-o
    teclas Enter
    espera "Condição de pagamento: 30/60/90 - 30, 60 e 90 dias"
    espera "Estado: AM - Amazonas"
    teclas Enter
    espera_sumir "Compras - Consultas"
    ;;
  mensagem)
    # A caixa de mensagem com Sim e Não: a resposta da pessoa volta à tela.
    abre_menu
    teclas Down Down
    teclas Enter
    espera "Compras - Caixa de mensagem"
    espera "Sim e Não"
    teclas M-b Down
    espera "Repetir e Cancelar"
    teclas Up
    espera "Sim e Não"
    teclas M-m
    espera "[ Não ]"
    teclas Tab Enter
    espera "Resposta: Não"
    teclas Escape
    espera_sumir "Compras - Caixa de mensagem"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  grade)
    # A mensagem com grade: Ctrl+Shift+F2 põe a tabela na área de transferência do
    # terminal (OSC 52, que o tmux guarda como buffer); Não fecha e a resposta volta.
    abre_menu
    t set-option -g set-clipboard on
    teclas Down Down Down Down Down Down Enter
    espera "Compras - Mensagem com grade"
    espera "Item 8"
    teclas C-S-F2
    prazo=$((SECONDS + 10))
    until t show-buffer 2>/dev/null | grep -qF "$(printf '\t8\tItem 8\t800,00\t')"; do
      ((SECONDS < prazo)) || falha "a tabela não chegou à área de transferência: $(t show-buffer 2>&1 | head -3)"
      sleep 0.1
    done
    [ "$(t show-buffer | head -1)" = "$(printf '\tLinha\tDescrição\tValor\t\r')" ] ||
      falha "a primeira linha copiada não é o cabeçalho: $(t show-buffer | head -1)"
    teclas Tab Enter
    espera "Resposta: Não"
    teclas Enter
    espera_sumir "Compras - Mensagem com grade"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  pequeno)
    # Um terminal pequeno demais avisa e espera; crescendo, o menu volta.
    abre_menu
    t resize-window -x 50 -y 12
    espera "Terminal pequeno demais"
    teclas Escape
    t resize-window -x 100 -y 32
    espera "Escolha a tela com as setas e aperte Enter; Esc sai."
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  sinal)
    # Encerrado por um sinal, o programa devolve o terminal como estava.
    abre_menu
    pid=$(pgrep -P "$(t display -p '#{pane_pid}')" -x compras) || falha "o processo de compras não apareceu"
    kill -TERM "$pid"
    sai_e_confere_terminal 143
    ;;
  cores)
    # Com cores o menu pinta fundo e texto; com NO_COLOR, só negrito, inverso e
    # sublinhado.
    cor='\[([0-9]+;)*(3[0-7]|4[0-7])[;m]'
    abre_menu
    t capture-pane -p -e | grep -qE "$cor" || falha "o menu não tem cores"
    teclas Escape
    sai_e_confere_terminal 0
    # O segundo terminal num servidor novo, por outro soquete: kill-server volta
    # antes de o servidor velho terminar, e um new-session no mesmo soquete podia
    # falar com o servidor que estava saindo.
    t kill-server
    soquete="$soquete-sem-cores"
    ambiente_extra=(-e NO_COLOR=1)
    abre_menu
    ! t capture-pane -p -e | grep -qE "$cor" || falha "com NO_COLOR o menu ainda tem cores"
    t capture-pane -p -e | grep -qF $'\e[7m' || falha "sem cores a seleção não ficou em inverso"
    teclas Escape
    sai_e_confere_terminal 0
    ;;
  make_run)
    # make run num terminal abre as telas; sem terminal, mostra a nota importada.
    unset MAKEFLAGS MFLAGS MAKELEVEL
    abre_menu "make -s -C '$fonte' run BUILD='$build'"
    teclas Escape
    sai_e_confere_terminal 0
    saida=$(HOME="$casa" VRMWND_HOME="$casa/vrmwnd" make -s -C "$fonte" run BUILD="$build" </dev/null 2>&1 | cat)
    grep -q "Líquido da nota: *12.397,50" <<<"$saida" || falha "make run sem terminal não mostrou a nota: $saida"
    ;;
  *)
    echo "cenário desconhecido: $cenario"
    exit 2
    ;;
esac
echo "ok: $cenario"
