// Ganchos de teste da suíte, para o processo todo: fazer uma leitura nomeada do
// servidor falhar, estragar as notas que o servidor devolve e decidir a liberação de
// acesso. Só os testes os usam; não vão para a instalação.
#pragma once

#include <functional>

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CInteracaoComTelaBase.h"

struct tagREG_NOTA_FISCALPS;

namespace vrmsuite {

// A leitura szLeitura ("LeDFPlano", …) devolve hr na nChamada-ésima chamada contada
// a partir daqui (1 = a próxima), ou em todas quando nChamada é 0. Uma programação
// por leitura; a nova substitui a anterior. Os códigos estão em servidor/resultados.h.
VRMWND_SUITE_API void ProgramaFalhaLeitura(const char* szLeitura, HRESULT hr, int nChamada);
VRMWND_SUITE_API void LimpaFalhasLeitura();
// Quantas chamadas da leitura programada houve desde a programação (0 sem programação):
// uma varredura sabe assim que a N-ésima chamada não aconteceu e para.
VRMWND_SUITE_API int ChamadasDaLeitura(const char* szLeitura);

// Registros malformados: a função recebe cada nota que LeDFNotasFiscais devolve com
// sucesso e pode estragá-la (quantidade além do vetor, identificador inválido, texto
// sem terminador), como um servidor com defeito faria. Nula desinstala.
using TAlteraNota = void (*)(tagREG_NOTA_FISCALPS& nota);
VRMWND_SUITE_API void ProgramaAlteracaoNota(TAlteraNota pAltera);

// A política de liberação do processo: recebe os argumentos de QZLiberaAcesso3 e
// decide. Função vazia volta ao padrão (tudo liberado, nível concedido igual ao
// pedido).
using TPoliticaLiberaAcesso =
    std::function<int(const char*, unsigned short, long, QZModuloNumero, unsigned short, unsigned short&, CWnd*)>;
VRMWND_SUITE_API void InstalaPoliticaLiberaAcesso(TPoliticaLiberaAcesso politica);

// Os passos da criação de uma empresa em arquivo, na ordem em que acontecem.
enum class EPassoCriacaoEmpresa {
  Travada = 1,         // a trava do nome obtida
  TemporarioCriado,    // o arquivo temporário criado, ainda vazio
  EsquemaNaTransacao,  // o esquema gravado, transação aberta
  AmostraNaTransacao,  // a amostra gravada, transação aberta
  Montada,             // a transação confirmada e o temporário em disco
  NoLugar,             // o temporário renomeado para empresa.db
  Registrada,          // o "Path" da empresa gravado no registro
};
inline constexpr int kPassosCriacaoEmpresa = 7;
// A função recebe cada passo da criação ao ser alcançado (para um teste interromper o
// processo ali). Nula desinstala.
using TPassoCriacao = void (*)(EPassoCriacaoEmpresa ePasso);
VRMWND_SUITE_API void ProgramaPassoCriacaoEmpresa(TPassoCriacao pPasso);

}  // namespace vrmsuite
