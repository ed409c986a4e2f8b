// compras: o programa hospedeiro do módulo de Compras. Cada comando mostra uma parte
// da biblioteca sobre a empresa embutida; "compras --help" lista todos.
#include <cstdio>
#include <cstring>
#include <iterator>

#include <unistd.h>

#include "comandos.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

int ComandoAjuda(int, char**);

constexpr TComando kComandos[] = {
    {"origem", "origem CHAVE|TEXTO", "descreve a origem de um registro (quem gerou)", ComandoOrigem},
    {"data", "data D/M/A|NUMERO", "número do dia, dia da semana, código do mês e textos", ComandoData},
    {"valor", "valor VALOR [--casas N] [--modo M]",
     "lê um valor brasileiro, arredonda (padrão: 4 casas, trunca) e formata", ComandoValor},
    {"instalar", "instalar", "cria a instalação de exemplo (log.ini, mensagens, registro)", ComandoInstalar},
    {"log", "log [--mes AAAAMM] [--empresa NOME]", "mostra o arquivo de erros do mês como tabela", ComandoLog},
    {"empresa", "empresa criar [NOME]", "cria a empresa de amostra (padrão: AMOSTRA)", ComandoEmpresa},
    {"nota",
     "nota listar [--empresa NOME] | nota mostrar POS [--json] [--empresa NOME] | "
     "nota importar POS [POS...] [--json] [--empresa NOME]",
     "lista as notas fiscais comerciais, mostra uma como o servidor a devolve ou importa "
     "notas num registro de entrada",
     ComandoNota},
    {"alerta", "alerta TIPO", "abre o configurador de alertas do tipo (2 a 9) pelo ponto de automação", ComandoAlerta},
    {"consulta",
     "consulta EDIT CODIGO|--lista [--empresa NOME] [--modulo N] [--data DD/MM/AAAA] [--filial N] [--caracteristica N] "
     "[--tipos LETRAS] [--produto|--servico]",
     "digita o código no edit de consulta (autorizacao, condicao ou um cadastro: filial, natureza, conta, "
     "conta-gerencial, historico, produto, unidade, contrato, cst-ipi, local, tabela-preco, estado, …) e mostra o que "
     "ele mostra",
     ComandoConsulta},
    {"chave", "chave --digita TEXTO [--forma 0|1] [--movimento N] [--cancela]",
     "digita a chave de um documento no diálogo \"Compras - Chave\" e mostra a chave", ComandoChave},
    {"cotacao-web", "cotacao-web --responde sim|nao [--modelo NOME] [--cancela] [--empresa NOME]",
     "inclui uma cotação, responde se ela vai pela web e escolhe o modelo de e-mail", ComandoCotacaoWeb},
    {"deducoes", "deducoes --base VALOR [--imposto N] [--adiciona TIPO|DESCRIÇÃO|VALOR]... [--remove N]... [--cancela]",
     "adiciona e remove deduções da base de um imposto retido no diálogo das deduções e mostra a lista",
     ComandoDeducoes},
    {"titulos",
     "titulos --nota POS [--nota POS]... [--titulo N [--receita COD] [--cedente CONTA] [--historico N] "
     "[--tipo-documento COD] [--vencimento DD/MM/AAAA] [--linha FILIAL:CLASSIFICACAO:VALOR[:gerencial]]...]... "
     "[--cancela] [--empresa NOME]",
     "importa as notas num registro de entrada e completa no diálogo dos títulos um título por imposto retido e "
     "parcela (a nota 6144 sozinha não retém nada: junte a 18432); as opções depois de --titulo N valem para ele, "
     "--linha troca as linhas do título (\":gerencial\" aceita o rateio gerencial sugerido, F7); mostra os títulos e "
     "as linhas depois do OK",
     ComandoTitulos},
    {"progresso", "progresso [--passos N] [--passo P]",
     "avança a janela de progresso e mostra o percentual de cada passo", ComandoProgresso},
    {"mensagem-grade", "mensagem-grade --linhas N [--largura PIXELS] [--copia] [--responde sim|nao]",
     "abre a mensagem com grade sobre uma tabela de N linhas, copia a tabela (Ctrl+Shift+F2) e responde",
     ComandoMensagemGrade},
    {"ordem", "ordem liberar NUMERO --responde sim|nao [--empresa NOME]",
     "libera uma ordem de compra: as contas acima do orçamento e a resposta à pergunta", ComandoOrdem},
    {"orcamento",
     "orcamento --filial N --classificacao CODIGO [--gerencial CODIGO] --de MM/AAAA [--ate MM/AAAA] "
     "[--mensal|--orcamentario] [--empresa NOME]",
     "consulta o orçado e o realizado pelas ordens liberadas, mês a mês ou pelo período do orçamento, e mostra a "
     "grade com os totais",
     ComandoOrcadoRealizado},
    {"redimensiona", "redimensiona [--arrasta LARGURAxALTURA] [--maximiza] [--esquece]",
     "arrasta a alça de um diálogo redimensionável e mostra os controles e a posição guardada", ComandoRedimensiona},
    {"multi-cfop",
     "multi-cfop [--filial N] [--lista P,P] [--adiciona CFOP]... [--remove LINHA]... [--cancela] [--empresa NOME]",
     "a relação de CFOPs: adiciona e remove na ordem dada e mostra a lista devolvida", ComandoMultiCFOP},
    {"multi-fornecedor",
     "multi-fornecedor [--tipo C|G] [--caracteristica N] [--tipos LETRAS] [--lista P,P] [--adiciona CODIGO]... "
     "[--remove LINHA]... [--cancela] [--empresa NOME]",
     "a relação de contas do tipo: adiciona (sintéticas trazem as analíticas), remove e mostra a lista",
     ComandoMultiFornecedor},
    {"historicos-desativados",
     "historicos-desativados [--numero N] [--adiciona HIST]... [--remove LINHA]... [--cancela] [--empresa NOME]",
     "os históricos desativados nos lançamentos: adiciona, remove e mostra a lista guardada",
     ComandoHistoricosDesativados},
    {"tela", "tela [--empresa NOME]", "as telas do módulo no terminal (também \"compras\" sem argumentos num terminal)",
     ComandoTela},
    {"ajuda", "ajuda", "esta lista", ComandoAjuda},
};

int ComandoAjuda(int, char**) {
  std::printf("compras %s — módulo de Compras (CM, módulo %d)\n\nUso: compras COMANDO [ARGUMENTOS]\n\n",
              vrmwnd::VersaoBiblioteca(), QZ_MODULO_COMPRAS);
  for (const TComando& c : kComandos) std::printf("  %-40s %s\n", c.szUso, c.szResumo);
  std::printf("\n\"compras COMANDO --help\" explica o comando.\n");
  return 0;
}

}  // namespace

const TComando& Comando(const char* szNome) {
  for (const TComando& c : kComandos)
    if (std::strcmp(c.szNome, szNome) == 0) return c;
  return kComandos[std::size(kComandos) - 1];
}

int UsoErrado(const TComando& comando, const char* szMotivo) {
  std::fprintf(stderr, "compras %s: %s\nUso: compras %s\n", comando.szNome, szMotivo, comando.szUso);
  return 2;
}

}  // namespace compras

int main(int argc, char** argv) {
  using namespace compras;
  // Sem argumentos num terminal, as telas; fora de um terminal, a ajuda.
  if (argc < 2 && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
    GaranteInstalacao(false);
    return Comando("tela").pExecuta(0, nullptr);
  }
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
    return Comando("ajuda").pExecuta(0, nullptr);
  // Sem uma casa absoluta não há onde guardar a instalação nem as empresas, e uma
  // pasta relativa no registro gravaria onde quer que o programa tenha sido aberto.
  if (GetPlatformHomeDirectory().empty()) {
    std::fprintf(stderr, "compras: não há pasta de dados: defina VRMWND_HOME ou HOME com um caminho absoluto\n");
    return 2;
  }
  if (const CString strErrada = QZEntradaDePastaInvalida(); !strErrada.IsEmpty()) {
    std::fprintf(stderr, "compras: %s (corrija o registro em %s/registry.ini)\n", strErrada.GetString(),
                 GetPlatformHomeDirectory().c_str());
    return 2;
  }
  if (std::strcmp(argv[1], "instalar") != 0) GaranteInstalacao(false);  // primeiro uso
  for (const TComando& c : kComandos) {
    if (std::strcmp(c.szNome, argv[1]) == 0) {
      if (argc > 2 && (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0)) {
        std::printf("Uso: compras %s\n%s\n", c.szUso, c.szResumo);
        return 0;
      }
      return c.pExecuta(argc - 2, argv + 2);
    }
  }
  std::fprintf(stderr, "compras: comando desconhecido: \"%s\" (veja \"compras --help\")\n", argv[1]);
  return 2;
}
