// Códigos de falha das leituras do servidor da suíte (HRESULT de falha, facilidade
// ITF) e o gancho de teste que faz uma leitura nomeada falhar com um código dado.
#pragma once

#include "vrmwnd/base/QZResultado.h"

struct tagREG_NOTA_FISCALPS;

namespace vrmsuite {

// Falhas das leituras. Os códigos da base (QZResultado.h) valem para o servidor:
// | código                        | quando                                          |
// |-------------------------------|-------------------------------------------------|
// | QZ_E_REGISTRO_NAO_ENCONTRADO  | a chave pedida não existe                        |
// | QZ_E_SEM_CONEXAO              | leitura antes de OnInicializa, depois de         |
// |                               | OnFinaliza ou por uma interface nula             |
// | QZ_E_BANCO_DE_DADOS           | o banco da empresa falhou                        |
// | QZ_E_EMPRESA_NAO_ENCONTRADA   | não há banco para o nome da empresa              |
// | QZ_E_REGISTRO_CORROMPIDO      | linha que o layout não comporta: quantidade que  |
// |                               | não bate com as linhas, texto maior que o campo, |
// |                               | valor fora do tipo, chave estrangeira            |
// |                               | desconhecida                                     |
// Gancho de teste, para o processo todo: a leitura szLeitura ("LeDFPlano", …) devolve
// hr na nChamada-ésima chamada contada a partir daqui (1 = a próxima), ou em todas
// quando nChamada é 0. Uma programação por leitura; a nova substitui a anterior.
void ProgramaFalhaLeitura(const char* szLeitura, HRESULT hr, int nChamada);
void LimpaFalhasLeitura();
// Gancho de teste de registros malformados: a função recebe cada nota que
// LeDFNotasFiscais devolve com sucesso e pode estragá-la (quantidade além do vetor,
// identificador inválido, texto sem terminador), como um servidor com defeito faria.
// Nula desinstala.
using TAlteraNota = void (*)(tagREG_NOTA_FISCALPS& nota);
void ProgramaAlteracaoNota(TAlteraNota pAltera);
TAlteraNota AlteracaoNotaProgramada();
// Usada pelas leituras: o código programado para esta chamada, ou 0.
HRESULT FalhaProgramada(const char* szLeitura);

}  // namespace vrmsuite
